#pragma once
// For course authors: the steering rows the learner can never open from a
// topic screen, each warned about at its Steruj.t line. The program runs
// with them: it lists a lesson whose code opens no screen by its title and
// does nothing on a click, and it never shows a lesson of a topic that no
// main-menu picture opens or one past the 30th of its topic.
#include "course_data.h"
#include "load_report.h"

namespace lumora {

void CheckLessonList(const CourseData& course, LoadReport& report);

} // namespace lumora
