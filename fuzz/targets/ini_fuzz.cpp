// The start-up text table ini.t: topics, texts and hints.
#include "course/course_loaders.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kIniFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    LoadIni(course, report);
    fuzz::Require(course.TextCount >= 0 && course.TextCount <= CourseData::kMaxTexts,
                  "text count outside the table");
    fuzz::Require(course.HintCount >= 0 && course.HintCount <= CourseData::kMaxHints,
                  "hint count outside the table");
    for (int n = -1; n <= CourseData::kMaxTexts + 1; ++n) {
        course.GetText(n);
        course.GetHint(n);
    }
    return 0;
}
