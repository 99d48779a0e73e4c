// The exercise records of St.t.
#include "course/course_loaders.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kStFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    LoadSt(course, report);
    fuzz::Require(course.StCount >= 0 && course.StCount <= CourseData::kMaxStRecords,
                  "record count outside the table");
    for (int n = -1; n <= CourseData::kMaxStRecords + 1; ++n) {
        course.St(n);
    }
    return 0;
}
