#pragma once
// The lesson being played: set when a lesson starts, read by its screen.
#include "course_data.h"

#include <map>
#include <string>
#include <vector>

namespace lumora {

struct LessonState {
    std::string CurrentTopic;
    int CurrentRow = 0; // the steering row, 1-based
    std::string CurrentContent;
    int CurrentCode = 0;
    std::vector<int> SelectedRows; // DataTable row numbers, 1-based
    std::vector<int> SelectedDone;
    // The layouts of the lessons opened so far: a screen fills a layout value
    // of 0 with its default and keeps it for the next opening, without
    // writing into the course.
    std::map<int, SteeringRow> KeptLayouts;

    int SelectedCount() const { return static_cast<int>(SelectedRows.size()); }
};

// The current lesson's steering row as its screen lays itself out by: the
// course's row the first time, then the row with the defaults it was given.
// Nothing when the current row is outside the table.
SteeringRow* CurrentLayoutRow(const CourseData& course, LessonState& lesson);

// Sets CurrentRow, CurrentContent and CurrentCode from steering row `index`
// (1-based) and selects the data rows of the lessons that use them. False
// for an index outside the table, which changes nothing.
bool BeginLesson(const CourseData& course, LessonState& lesson, int index);

// Fills SelectedRows with the DataTable rows whose GroupKey equals the key in
// lower case, in table order, and clears their SelectedDone flags.
void SelectDataRows(const CourseData& course, LessonState& lesson, const std::string& key);

} // namespace lumora
