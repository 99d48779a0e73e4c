#pragma once
// The media backend: the part of the media engine that calls FFmpeg and SDL2.
// It is a module of its own (liblumora_media_backend.so beside the
// executables), loaded at run time, so that starting a program does not pay
// for linking FFmpeg's many libraries. Its one exported function returns the
// backend, which makes the real players and recorders.
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
    virtual std::unique_ptr<RecorderDevice> CreateRecorder() = 0;

  protected:
    ~MediaBackend() = default;
};

// The name and type of the module's exported function.
inline constexpr const char* kMediaBackendEntry = "LumoraMediaBackend";
using MediaBackendEntry = MediaBackend* (*)();

} // namespace lumora
