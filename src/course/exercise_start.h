#pragma once
// Starting a lesson: the current-exercise values are set from its steering
// row and the screen of its kind opens. Screens register their openers by
// lesson code at start-up, so this table layer needs to know none of them.
#include "course_data.h"

#include <functional>
#include <string>

namespace lumora {

// Opens the screen of a lesson kind; it reads the current-exercise values.
using ExerciseOpener = std::function<void(CourseData&)>;

// Registers the opener of one lesson code, replacing an earlier one.
void RegisterExerciseScreen(int code, ExerciseOpener opener);
// Removes every registration (tests).
void ClearExerciseScreens();
bool HasExerciseScreen(int code);

// Sets CurrentRow, CurrentContent and CurrentCode from steering row `index`
// (1-based), selects the data rows of the lessons that use them, and opens
// the registered screen of the row's Code. An index outside the table, or a
// Code without a screen, opens nothing.
void StartExercise(CourseData& course, int index);

// Whoever shows the lesson list learns when a lesson's screen has closed, so
// it can show the lesson as done. Lesson screens call NotifyLessonClosed.
void SetLessonClosedHandler(std::function<void()> handler);
void NotifyLessonClosed();

// Fills SelectedRows with the DataTable rows whose GroupKey equals the key in
// lower case, in table order, and clears their SelectedDone flags.
void SelectDataRows(CourseData& course, const std::string& key);

} // namespace lumora
