#pragma once
// The exercise screens for the screenshot tool, each on a sample lesson.
#include "screen_shots.h"

#include <vector>

namespace lumora::shots {

// The multiple-choice screen after checking: one answer right, one crossed,
// one question left unanswered. The true/false, typing, drag-and-drop and
// definitions screens, each while the learner works and after checking. The
// sentence screen in each kind. The vocabulary presentation in its three
// modes.
std::vector<ScreenShot> ExerciseScreenShots();

} // namespace lumora::shots
