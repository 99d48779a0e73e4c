#pragma once
// Checks the vocabulary lessons of a course, for course authors: every word
// of every lesson must have its picture and its sound in its topic's word
// folders, its picture choice needs four words, and only 30 words are used.
#include "course/course_data.h"
#include "course/load_report.h"

#include <vector>

namespace lumora {

std::vector<LoadFault> CheckVocabularyLessons(const CourseData& course);

} // namespace lumora
