#pragma once
// Loads the media modules from the executable's folder, each on a thread of
// its own, started by the first player that needs it: the sound module
// (SDL2) for WAV files and recording, the FFmpeg module, which takes far
// longer to link, for films and other files. Call these on the user-interface
// thread.
#include <string>

namespace lumora {

class MediaBackend;
class SoundBackend;

enum class MediaModule { Sound, Ffmpeg };

// Starts loading the module on a background thread; later calls do nothing.
void StartLoadingMediaModule(MediaModule module);

// True once loading the module has ended, successfully or not; never waits,
// and does not start the load.
bool MediaModuleLoadEnded(MediaModule module);

// Waits for the load (starting it if nobody has) and returns the module's
// backend, or nullptr when it cannot be loaded. The first failing call for a
// module shows the reason with ShowMessage.
MediaBackend* WaitForMediaModule(MediaModule module);
SoundBackend* WaitForSoundBackend();

// Why the module's backend is missing; empty when it loaded.
std::string MediaModuleError(MediaModule module);

// For tests of what players do before a load ends: while held, a started
// load waits before it loads its module.
void HoldMediaBackendLoad(bool hold);

} // namespace lumora
