#include "sdl_recorder.h"

#include "backend_loader.h"
#include "media_backend.h"

namespace lumora {
namespace {

constexpr int kNoBackend = 1;

} // namespace

SdlRecorder::~SdlRecorder() = default;

RecorderDevice* SdlRecorder::Device() {
    if (!deviceTried_) {
        deviceTried_ = true;
        if (SoundBackend* backend = WaitForSoundBackend()) {
            device_ = backend->CreateRecorder();
        }
    }
    return device_.get();
}

int SdlRecorder::Open() {
    RecorderDevice* device = Device();
    return device != nullptr ? device->Open() : kNoBackend;
}

int SdlRecorder::Record() {
    RecorderDevice* device = Device();
    return device != nullptr ? device->Record() : kNoBackend;
}

int SdlRecorder::Save(const std::string& path) {
    RecorderDevice* device = Device();
    return device != nullptr ? device->Save(path) : kNoBackend;
}

int SdlRecorder::Close() {
    RecorderDevice* device = Device();
    return device != nullptr ? device->Close() : kNoBackend;
}

std::string SdlRecorder::ErrorText(int code) const {
    return device_ ? device_->ErrorText(code) : MediaModuleError(MediaModule::Sound);
}

} // namespace lumora
