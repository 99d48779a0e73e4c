#pragma once
// The course checker's look at every lesson, with the parsers the lesson
// screens use: a story lesson must name a St.t record whose first line holds
// the header, and its content must parse as its kind's. Faults are reported
// as St.t file:line (the record's head line, or the content line below it).
#include "course/course_data.h"
#include "course/load_report.h"
#include "definitions/definitions_layout.h"
#include "drag_drop/drag_drop_board.h"

#include <optional>
#include <string>

namespace lumora {

// What is wrong with a story record's content for one lesson kind, or nothing.
using ContentCheck = std::optional<std::string> (*)(const StRecord& record);

// The content check of a lesson code; nullptr when the checker knows none.
ContentCheck ContentCheckFor(int code);

// Reports every fault of every lesson in the steering table; each record is
// checked once per kind that uses it.
void CheckLessons(const CourseData& course, LoadReport& report);

// Text sizes in the sorting screens' font, which only the caller can measure.
struct LayoutMeasures {
    LabelMeasure tableWord;       // a drag-and-drop word label
    StyledMeasure definitionText; // definitions and their words
};

// Lays every drag-and-drop and definitions lesson out as its screen does and
// warns (CheckOnly) about a table or pool off the screen and definitions
// that run out of their box. Content faults are left to CheckLessons.
void CheckLessonLayouts(const CourseData& course, LoadReport& report,
                        const LayoutMeasures& measures);

} // namespace lumora
