#pragma once
// Checks the word search files of a course, for course authors: each must
// read (sizes of at most 15) and hide every word of its list where a learner
// can mark it; grid rows shorter or fewer than announced are warnings.
#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/load_report.h"
#include "word_search_file.h"

#include <vector>

namespace lumora {

// Whether the word can be marked: left to right in a row or top to bottom in
// a column, letter case aside.
bool GridHides(const WordSearchPuzzle& puzzle, const std::string& word);

std::vector<LoadFault> CheckWordSearches(const CourseData& course);

} // namespace lumora
