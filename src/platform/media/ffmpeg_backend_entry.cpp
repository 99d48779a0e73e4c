// The FFmpeg module's exported entry: the one FFmpeg backend of the process.
#include "ffmpeg_player.h"
#include "media_backend.h"

namespace lumora {
namespace {

class FfmpegBackend final : public MediaBackend {
  public:
    std::unique_ptr<BackendPlayer> CreatePlayer() override {
        return std::make_unique<FfmpegPlayer>();
    }
};

} // namespace
} // namespace lumora

extern "C" __attribute__((visibility("default"))) lumora::MediaBackend* LumoraFfmpegBackend() {
    static lumora::FfmpegBackend backend;
    return &backend;
}
