#pragma once
// The word games for the screenshot tool, each on a lesson of the demo
// course: a crossword with one row solved and one begun, a reveal game with
// two tiles lifted, and a word search with one word found.
#include "screen_shots.h"

#include <vector>

namespace lumora::shots {

std::vector<ScreenShot> WordGameScreenShots();

} // namespace lumora::shots
