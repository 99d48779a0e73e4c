#pragma once
// What lumora-check says about the drag-and-drop lessons of a course: each
// lesson's St.t record is read with the screen's own parser, and with label
// sizes at hand the table and the pool are laid out as the screen lays them
// out, to warn about a table wider than the screen or a pool below it.
#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/load_report.h"
#include "drag_drop_board.h"

namespace lumora {

// Every steering row of code 36. A content the screen refuses is a Message
// fault (the lesson does not open); a table or pool off the screen is
// CheckOnly (it opens, but not all of it is seen). Without a measure only the
// content is checked. St.t faults name the content's line. The course
// checker reads the content with the lesson checks and runs this with the
// screens' word measures for the layout warnings alone.
void CheckDragDropLessons(const CourseData& course, LoadReport& report,
                          const LabelMeasure& measure = {});

} // namespace lumora
