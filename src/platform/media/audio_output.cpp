#include "audio_output.h"

#include <algorithm>
#include <mutex>

#include "audio_stream.h"
#include "sdl_audio.h"

namespace lumora {
namespace {

// 960 frames at 48 kHz is exactly 20 ms, the period at which SDL's dummy
// driver calls back; a period that divides evenly keeps its pacing true.
constexpr int kRate = 48000;
constexpr int kPeriodFrames = 960;

} // namespace

std::shared_ptr<AudioOutput> AudioOutput::Shared() {
    static std::mutex mutex;
    static std::weak_ptr<AudioOutput> current;
    std::lock_guard lock(mutex);
    std::shared_ptr<AudioOutput> output = current.lock();
    if (!output) {
        output.reset(new AudioOutput());
        current = output;
    }
    return output;
}

AudioOutput::AudioOutput() {
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_F32SYS;
    want.channels = kChannels;
    want.samples = kPeriodFrames;
    want.callback = &AudioOutput::Callback;
    want.userdata = this;
    device_ = OpenOutputDevice(want, have_, error_);
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, 0);
    }
}

AudioOutput::~AudioOutput() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
}

void AudioOutput::Attach(AudioStream* stream) {
    if (device_ == 0) {
        return;
    }
    SDL_LockAudioDevice(device_);
    if (std::find(streams_.begin(), streams_.end(), stream) == streams_.end()) {
        streams_.push_back(stream);
    }
    SDL_UnlockAudioDevice(device_);
}

void AudioOutput::Detach(AudioStream* stream) {
    if (device_ == 0) {
        return;
    }
    SDL_LockAudioDevice(device_);
    std::erase(streams_, stream);
    SDL_UnlockAudioDevice(device_);
}

void AudioOutput::Callback(void* self, Uint8* bytes, int length) {
    auto* output = static_cast<AudioOutput*>(self);
    auto* samples = reinterpret_cast<float*>(bytes);
    const std::size_t count = static_cast<std::size_t>(length) / sizeof(float);
    std::fill_n(samples, count, 0.0f);
    for (AudioStream* stream : output->streams_) {
        stream->MixInto(samples, count / kChannels);
    }
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = std::clamp(samples[i], -1.0f, 1.0f);
    }
}

} // namespace lumora
