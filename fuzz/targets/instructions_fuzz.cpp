// The instruction table Polecenia\polecenia.txt.
#include "course/course_loaders.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kInstructionsFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    LoadInstructions(course, report);
    fuzz::Require(static_cast<int>(course.InstructionTable.size()) <= CourseData::kMaxInstructions,
                  "more instructions than the table holds");
    for (const InstructionEntry& entry : course.InstructionTable) {
        course.InstructionText(entry.number);
    }
    return 0;
}
