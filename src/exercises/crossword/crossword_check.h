#pragma once
// Checks the word list of every topic with a crossword lesson, for course
// authors: the list must open, hold a word of 4 to 12 letters A..Z, fit in
// 100 lines and name pictures that exist.
#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/load_report.h"

#include <vector>

namespace lumora {

std::vector<LoadFault> CheckCrosswords(const CourseData& course);

} // namespace lumora
