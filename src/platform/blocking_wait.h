#pragma once
// A short wait that blocks the user interface, as the menu animations do:
// nothing else is handled while it lasts. Tests replace it to record the
// waits instead of sleeping.
#include <functional>

namespace lumora {

void BlockingWait(int milliseconds);

// Installs a replacement and returns the previous one (empty: really sleep).
std::function<void(int)> SetBlockingWaitHook(std::function<void(int)> hook);

} // namespace lumora
