// The data table data.t.
#include "course/course_loaders.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kDataFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    LoadData(course, report);
    fuzz::Require(static_cast<int>(course.DataTable.size()) <= CourseData::kMaxDataRows,
                  "more data rows than the table holds");
    for (const DataRow& row : course.DataTable) {
        fuzz::Require(row.Line >= 1, "a data row without its line");
    }
    return 0;
}
