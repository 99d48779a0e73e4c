#pragma once
// Loads the media backend module from the executable's folder. Loading links
// FFmpeg and SDL2, which takes about as long as the rest of start-up, so it
// runs on a thread of its own, started by the first player that needs it.
// Call these on the user-interface thread.
#include <string>

namespace lumora {

class MediaBackend;

// Starts loading on a background thread; later calls do nothing.
void StartLoadingMediaBackend();

// True once loading has ended, successfully or not; never waits, and does not
// start the load.
bool MediaBackendLoadEnded();

// Waits for the load (starting it if nobody has) and returns the backend, or
// nullptr when the module cannot be loaded. The first failing call shows the
// reason with ShowMessage, so call it on the user-interface thread.
MediaBackend* WaitForMediaBackend();

// Why the backend is missing; empty when it loaded.
std::string MediaBackendError();

// For tests of what players do before the load ends: while held, a started
// load waits before it loads the module.
void HoldMediaBackendLoad(bool hold);

} // namespace lumora
