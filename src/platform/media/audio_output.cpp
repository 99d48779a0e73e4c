#include "audio_output.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <mutex>

#include "audio_stream.h"
#include "sdl_audio.h"

namespace lumora {
namespace {

// 960 frames at 48 kHz is exactly 20 ms, the period at which SDL's dummy
// driver calls back; a period that divides evenly keeps its pacing true.
constexpr int kRate = 48000;
constexpr int kPeriodFrames = 960;

// With LUMORA_TRACE_SOUND set, the moment the first real sound goes to the
// device is written to standard error, for start-up benchmarks. The line is
// put together by hand and written with one write(2): the audio callback must
// not take locks or allocate.
bool TraceWanted() {
    const char* value = std::getenv("LUMORA_TRACE_SOUND");
    return value != nullptr && *value != '\0';
}

void WriteFirstSoundLine() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    std::uint64_t ns = static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u +
                       static_cast<std::uint64_t>(now.tv_nsec);
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + ns % 10);
        ns /= 10;
    } while (ns != 0);
    static constexpr char kHead[] = "lumora: first sound at ";
    char line[sizeof kHead + sizeof digits + 1];
    std::size_t length = sizeof kHead - 1;
    std::copy_n(kHead, length, line);
    while (count > 0) {
        line[length++] = digits[--count];
    }
    line[length++] = '\n';
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, length);
}

// Once per process, whichever output device plays first.
std::atomic<bool> first_sound_due{TraceWanted()};

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
    std::size_t mixed = 0;
    for (AudioStream* stream : output->streams_) {
        mixed += stream->MixInto(samples, count / kChannels);
    }
    if (mixed > 0 && first_sound_due.load(std::memory_order_relaxed) &&
        first_sound_due.exchange(false)) {
        WriteFirstSoundLine();
    }
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = std::clamp(samples[i], -1.0f, 1.0f);
    }
}

} // namespace lumora
