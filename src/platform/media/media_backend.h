#pragma once
// The media backends: the parts of the media engine that call SDL2 and
// FFmpeg. Each is a module of its own beside the executables, loaded at run
// time, so that starting a program does not pay for linking their libraries:
// the sound module (SDL2 and a WAV decoder of its own) plays WAV files and
// records; the FFmpeg module, which links the sound module, plays films and
// every other file. Each module's one exported function returns its backend,
// which makes the real players (and recorders).
#include <chrono>
#include <memory>
#include <optional>

#include "media_player.h"
#include "recorder_device.h"
#include "video_surface.h"

namespace lumora {

// A media player that also tells its film's size and when its sound started.
class BackendPlayer : public MediaPlayer {
  public:
    // The open film's picture size; 0 x 0 for sound.
    virtual SurfaceSize PictureSize() const = 0;

    // When the first sound of the current play reached the output, if it has.
    virtual std::optional<std::chrono::steady_clock::time_point> FirstSoundTime() const = 0;
};

class MediaBackend {
  public:
    // Players post their notifications to the thread that creates them.
    virtual std::unique_ptr<BackendPlayer> CreatePlayer() = 0;

  protected:
    ~MediaBackend() = default;
};

// The sound module's backend also records.
class SoundBackend : public MediaBackend {
  public:
    virtual std::unique_ptr<RecorderDevice> CreateRecorder() = 0;

  protected:
    ~SoundBackend() = default;
};

// The names and type of the modules' exported functions.
inline constexpr const char* kSoundBackendEntry = "LumoraSoundBackend";
inline constexpr const char* kFfmpegBackendEntry = "LumoraFfmpegBackend";
using MediaBackendEntry = MediaBackend* (*)();

} // namespace lumora
