#pragma once
// For course authors: every typing lesson of a course read as the screen
// reads it, each fault named by its ".fcs" file and line.
#include "course/course_data.h"
#include "course/load_report.h"

#include <vector>

namespace lumora {

std::vector<LoadFault> CheckTypingLessons(const CourseData& course);

} // namespace lumora
