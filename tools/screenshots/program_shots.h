#pragma once
// The screens a learner meets first: the login, the new user, the main menu,
// a topic screen and the best scores, shown over the demo course.
#include "screen_shots.h"

#include <vector>

namespace lumora::shots {

std::vector<ScreenShot> ProgramScreenShots();

} // namespace lumora::shots
