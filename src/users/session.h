#pragma once
// What changes while the program runs, beside the course it reads: the
// learner who logged in, this account's settings, the lesson being played,
// the reveal games drawn so far and the learner's points.
#include "course/lesson_state.h"
#include "course/reveal_index.h"
#include "course/user_settings.h"
#include "points_table.h"

#include <string>

namespace lumora {

struct Session {
    std::string CurrentUserName;
    std::string CurrentUserFolder; // ends in '/'
    UserSettings settings;
    LessonState lesson;
    RevealDraw reveal;
    PointsTable points;
};

// Records the points of the lesson that was left in the learner's points:
// Apply, the message when no row matched, and MergeAndSave in every case (a
// write failure is shown too).
void AddPoints(Session& session, const std::string& name, int number, int points);

} // namespace lumora
