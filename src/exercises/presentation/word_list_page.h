#pragma once
// The printed word list of a presentation as an HTML page: the course's
// "style.css", then a table of the words with their pictures, three to a
// row, each cell of class "tekst". Paths are DataRoot joined with the names
// the tables give, so a viewer resolves them as course files.
#include "course/course_data.h"
#include "course/lesson_state.h"

#include <string>
#include <vector>

namespace lumora {

// The page's lines for the data rows `words`, in order.
std::vector<std::string> WordListPage(const CourseData& course, const LessonState& lesson,
                                      const std::vector<int>& words);

// The lines joined with line ends, as one document.
std::string JoinPage(const std::vector<std::string>& lines);

} // namespace lumora
