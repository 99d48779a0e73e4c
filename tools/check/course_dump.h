#pragma once
// The checker's JSON views of a loaded course and of a points file.
#include "course/course_data.h"
#include "course/load_report.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

std::string CourseDumpJson(const CourseData& course, const std::vector<LoadFault>& faults);

// Every whole record of a points file's bytes.
std::string PointsDumpJson(std::string_view bytes);

} // namespace lumora
