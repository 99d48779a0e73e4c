// The media backend module's exported entry: the one backend of the process.
#include "ffmpeg_player.h"
#include "media_backend.h"
#include "sdl_capture.h"

namespace lumora {
namespace {

class FfmpegSdlBackend final : public MediaBackend {
  public:
    std::unique_ptr<BackendPlayer> CreatePlayer() override {
        return std::make_unique<FfmpegPlayer>();
    }
    std::unique_ptr<RecorderDevice> CreateRecorder() override {
        return std::make_unique<SdlCapture>();
    }
};

} // namespace
} // namespace lumora

extern "C" __attribute__((visibility("default"))) lumora::MediaBackend* LumoraMediaBackend() {
    static lumora::FfmpegSdlBackend backend;
    return &backend;
}
