#pragma once
// Checks the reveal games of a course, for course authors: every topic with a
// reveal lesson needs fourteen words with a sound to draw from, and every
// picture of the reveal index must exist.
#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/load_report.h"

#include <vector>

namespace lumora {

std::vector<LoadFault> CheckRevealGames(const CourseData& course);

} // namespace lumora
