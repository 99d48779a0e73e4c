#pragma once
// What lumora-check says about the drag-and-drop lessons of a course: each
// lesson's St.t record is read with the screen's own parser, and with label
// sizes at hand the table and the pool are laid out as the screen lays them
// out, to warn about a table wider than the screen or a pool below it.
#include "course/course_data.h"
#include "drag_drop_table.h"

#include <functional>
#include <string>
#include <vector>

namespace lumora {

inline constexpr int kDragDropCode = 36;

struct LessonFinding {
    std::string file; // course-relative
    int line = 0;     // 0 when the line is not known
    std::string message;
    bool warning = false; // the lesson opens, but something will not be seen
};

// The size of a word's label on the screen (Arial 10 pt).
using LabelMeasure = std::function<LabelSize(const std::string& text)>;

// Every steering row of code 36. Without a measure only the content is checked.
std::vector<LessonFinding> CheckDragDropLessons(const CourseData& course,
                                                const LabelMeasure& measure = {});

} // namespace lumora
