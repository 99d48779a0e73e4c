// The steering table Steruj.t with the rows its lesson codes add.
#include "course/course_loaders.h"
#include "course/lesson_kinds.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kSteeringFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    LoadSteering(course, report);
    fuzz::Require(static_cast<int>(course.SteeringTable.size()) <= CourseData::kMaxSteeringRows,
                  "more lessons than the table holds");
    for (const SteeringRow& row : course.SteeringTable) {
        fuzz::Require(row.LayoutCount >= 0, "a negative layout count");
        for (int k = 0; k < kLayoutPairs; ++k) {
            const auto at = static_cast<std::size_t>(k);
            fuzz::Require(row.LayoutX[at] >= -kLayoutLimit && row.LayoutX[at] <= kLayoutLimit &&
                              row.LayoutY[at] >= -kLayoutLimit && row.LayoutY[at] <= kLayoutLimit,
                          "a layout value outside its range");
        }
    }
    return 0;
}
