#pragma once
// A pause that keeps handling the thread's events, player notifications among
// them, so handlers may run inside it.
#include <functional>

namespace lumora {

// Returns after the given milliseconds of the tick count. Without a Qt
// application there are no events to handle and it only sleeps.
void ProcessEventsFor(int milliseconds);

// Handles events until done() is true or the milliseconds have passed;
// returns done().
bool ProcessEventsUntil(const std::function<bool()>& done, int milliseconds);

} // namespace lumora
