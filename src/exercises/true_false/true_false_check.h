#pragma once
// For course authors: every true/false lesson of a course read as the screen
// reads it, each fault named by its St.t line.
#include "course/course_data.h"
#include "course/load_report.h"

#include <vector>

namespace lumora {

inline constexpr int kTrueFalseCode = 39;

std::vector<LoadFault> CheckTrueFalseLessons(const CourseData& course);

} // namespace lumora
