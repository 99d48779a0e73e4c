// The sound module's exported entry: the one sound backend of the process.
#include <memory>

#include "audio_output.h"
#include "media_backend.h"
#include "sdl_capture.h"
#include "wav_player.h"

namespace lumora {
namespace {

class SdlSoundBackend final : public SoundBackend {
  public:
    // The output device opens while the module loads, off the user-interface
    // thread, and stays open, so no play waits for it.
    SdlSoundBackend() : output_(AudioOutput::Shared()) {}

    std::unique_ptr<BackendPlayer> CreatePlayer() override { return std::make_unique<WavPlayer>(); }
    std::unique_ptr<RecorderDevice> CreateRecorder() override {
        return std::make_unique<SdlCapture>();
    }

  private:
    std::shared_ptr<AudioOutput> output_;
};

} // namespace
} // namespace lumora

extern "C" __attribute__((visibility("default"))) lumora::MediaBackend* LumoraSoundBackend() {
    static lumora::SdlSoundBackend backend;
    return &backend;
}
