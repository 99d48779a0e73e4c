#pragma once
// The checker's JSON views of a loaded course and of a points file.
#include "course/course_data.h"
#include "course/load_report.h"

#include <string>
#include <vector>

namespace lumora {

std::string CourseDumpJson(const CourseData& course, const std::vector<LoadFault>& faults);

// Nothing when the file cannot be read.
std::optional<std::string> PointsDumpJson(const std::string& path);

} // namespace lumora
