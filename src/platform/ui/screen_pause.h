#pragma once
// A pause inside a handler that keeps the screens painted: paints and timers
// go on, while keys and mouse presses are held back until it is over, so
// nothing the learner does reaches a screen meanwhile. Ends early when the
// program quits. Tests replace it to record the pauses instead of waiting.
#include <functional>

namespace lumora {

void PauseScreens(int milliseconds);

// Installs a replacement and returns the previous one (empty: really pause).
std::function<void(int)> SetPauseScreensHook(std::function<void(int)> hook);

} // namespace lumora
