#pragma once
// SDL's audio subsystem, started once per process. Output falls back to SDL's
// dummy driver when no sound device can be opened, so plays still take their
// real time and end on a machine without a sound card.
#include <SDL2/SDL.h>

#include <string>

namespace lumora {

// Opens the default output device. When none opens, switches once to the
// dummy driver, says so in one line on standard error and tries again.
// Returns 0 with the reason in error when even that fails.
SDL_AudioDeviceID OpenOutputDevice(const SDL_AudioSpec& want, SDL_AudioSpec& have,
                                   std::string& error);

// Set in the environment, lets capture run on SDL's dummy driver (which
// records silence), for tests; without it the dummy driver has no microphone.
inline constexpr const char* kDummyCaptureSwitch = "LUMORA_DUMMY_CAPTURE";

// Opens the default capture device in exactly the wanted format (SDL
// converts); no fallback, so a missing microphone is reported, and neither
// the dummy driver nor the output's fall-back to it counts as one.
SDL_AudioDeviceID OpenCaptureDevice(const SDL_AudioSpec& want, std::string& error);

} // namespace lumora
