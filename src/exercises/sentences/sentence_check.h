#pragma once
// What a course author should fix in the sentence lessons: gap sentences the
// screen cannot show whole, lessons without rows, places or pictures enough.
// Each fault names the data.t line of the row, or the lesson in Steruj.t.
#include "course/course_data.h"
#include "course/load_report.h"

#include <vector>

namespace lumora {

struct SentenceFault {
    LoadFault where;
    // The lesson runs, but not as the author meant (a warning).
    bool warning = false;
};

// The line of data.t each DataTable row was read from (0 for rows the
// course did not read from a file).
std::vector<int> DataRowLines(const CourseData& course);

// Checks every sentence lesson of the steering table, each data row once.
std::vector<SentenceFault> CheckSentenceLessons(const CourseData& course);

} // namespace lumora
