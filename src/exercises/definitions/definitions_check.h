#pragma once
// What lumora-check says about the definitions lessons of a course: each
// lesson's St.t record is read with the screen's own parser, and with a text
// measure the pool and the definitions are laid out as the screen lays them
// out, to warn about definitions running below their box or a pool reaching
// into it.
#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/load_report.h"
#include "definitions_layout.h"

namespace lumora {

// Every steering row of code 38. A content the screen refuses is a Message
// fault (the lesson does not open); a layout that hides part of it is
// CheckOnly. Without a measure only the content is checked. St.t faults
// name the content's line. The course checker reads the content with the
// lesson checks and runs this with the screens' word measures for the layout
// warnings alone.
void CheckDefinitionsLessons(const CourseData& course, LoadReport& report,
                             const StyledMeasure& measure = {});

} // namespace lumora
