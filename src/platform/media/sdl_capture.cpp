#include "sdl_capture.h"

#include "platform/text_file.h"
#include "sdl_audio.h"
#include "wav_file.h"

namespace lumora {
namespace {

const char* const kNotOpen = "The recording device is not open.";

} // namespace

SdlCapture::~SdlCapture() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
}

int SdlCapture::Open() {
    if (device_ != 0) {
        Close();
    }
    {
        std::lock_guard lock(mutex_);
        samples_.clear();
    }
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    want.callback = &SdlCapture::Callback;
    want.userdata = this;
    std::string error;
    device_ = OpenCaptureDevice(want, error);
    return device_ == 0 ? Fail(error) : 0;
}

int SdlCapture::Record() {
    if (device_ == 0) {
        return Fail(kNotOpen);
    }
    SDL_PauseAudioDevice(device_, 0);
    return 0;
}

int SdlCapture::Save(const std::string& path) {
    if (device_ == 0) {
        return Fail(kNotOpen);
    }
    SDL_PauseAudioDevice(device_, 1);
    std::string bytes;
    {
        std::lock_guard lock(mutex_);
        bytes = WavBytes(samples_, kRate, 1);
    }
    if (auto error = WriteFileAtomic(path, bytes)) {
        return Fail(*error);
    }
    return 0;
}

int SdlCapture::Close() {
    if (device_ == 0) {
        return Fail(kNotOpen);
    }
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    std::lock_guard lock(mutex_);
    samples_.clear();
    samples_.shrink_to_fit();
    return 0;
}

std::string SdlCapture::ErrorText(int code) const {
    const auto found = errors_.find(code);
    return found == errors_.end() ? std::string() : found->second;
}

int SdlCapture::Fail(const std::string& text) {
    const int code = static_cast<int>(errors_.size()) + 1;
    errors_[code] = text.empty() ? "Unknown recording error." : text;
    return code;
}

void SdlCapture::Callback(void* self, Uint8* bytes, int length) {
    auto* recorder = static_cast<SdlCapture*>(self);
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes);
    std::lock_guard lock(recorder->mutex_);
    recorder->samples_.insert(recorder->samples_.end(), samples,
                              samples + static_cast<std::size_t>(length) / sizeof(std::int16_t));
}

} // namespace lumora
