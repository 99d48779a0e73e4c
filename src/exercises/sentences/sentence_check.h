#pragma once
// What a course author should fix in the sentence lessons: gap sentences the
// screen cannot show whole, lessons without rows, places or pictures enough.
// Each fault names the data.t line of the row, or the lesson in Steruj.t.
#include "course/course_data.h"
#include "course/load_report.h"

#include <vector>

namespace lumora {

// The line of data.t each DataTable row was read from (0 for rows the
// course did not read from a file).
std::vector<int> DataRowLines(const CourseData& course);

// Checks every sentence lesson of the steering table, each data row once. A
// lesson that runs, but not as the author meant, is a warning.
std::vector<LoadFault> CheckSentenceLessons(const CourseData& course);

} // namespace lumora
