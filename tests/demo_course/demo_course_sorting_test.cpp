// The drag-and-drop and definitions lessons of the demo course, read by the
// screens' own parsers.
#include "demo_course.h"
#include "exercises/definitions/definitions_check.h"
#include "exercises/drag_drop/drag_drop_check.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumora::test {
namespace {

template <class CheckLessons> std::vector<std::string> Faults(CheckLessons check) {
    std::vector<std::string> faults;
    LoadReport report([&](const LoadFault& f) { faults.push_back(f.file + ": " + f.message); },
                      false);
    check(DemoCourse().course, report);
    return faults;
}

int Lessons(int code) {
    const auto& rows = DemoCourse().course.SteeringTable;
    return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                          [&](const SteeringRow& r) { return r.Code == code; }));
}

TEST(DemoCourseSorting, EveryTableLessonParses) {
    EXPECT_GE(Lessons(kDragAndDropCode), 1);
    const auto faults =
        Faults([](const CourseData& c, LoadReport& r) { CheckDragDropLessons(c, r); });
    EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST(DemoCourseSorting, EveryDefinitionsLessonParses) {
    EXPECT_GE(Lessons(kDefinitionsCode), 1);
    const auto faults =
        Faults([](const CourseData& c, LoadReport& r) { CheckDefinitionsLessons(c, r); });
    EXPECT_TRUE(faults.empty()) << faults.front();
}

} // namespace
} // namespace lumora::test
