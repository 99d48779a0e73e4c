#include "wav_playback.h"

#include <chrono>

#include "audio_output.h"
#include "audio_stream.h"
#include "wav_reader.h"

namespace lumora {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;
// Sound decoded ahead of the output, and the piece read at a time.
constexpr std::int64_t kSoundAheadMs = 300;
constexpr std::size_t kPieceFrames = 2048;
constexpr auto kIdleWait = std::chrono::milliseconds(4);

} // namespace

WavPlayback::WavPlayback(Target target, std::int64_t start_ms, std::int64_t length_ms)
    : target_(std::move(target)), lengthMs_(length_ms),
      clock_(target_.stream, target_.outRate, start_ms) {
    if (target_.stream != nullptr) {
        const WavFormat& format = target_.reader->Format();
        converter_ =
            SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(format.channels), format.rate,
                               AUDIO_F32SYS, AudioOutput::kChannels, target_.outRate);
    }
    thread_ = std::thread([this] { Run(); });
}

WavPlayback::~WavPlayback() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
    if (converter_ != nullptr) {
        SDL_FreeAudioStream(converter_);
    }
}

void WavPlayback::WaitForEnd() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void WavPlayback::Run() {
    if (target_.stream != nullptr && converter_ == nullptr) {
        Finish(NotifyValue::Failure);
        return;
    }
    for (;;) {
        if (target_.stream != nullptr) {
            pending_.FeedInto(*target_.stream);
        }
        if (!endOfFile_ && WantsData()) {
            if (!Decode()) {
                Finish(NotifyValue::Failure);
                return;
            }
        } else if (endOfFile_ && Done()) {
            Finish(NotifyValue::Successful);
            return;
        } else {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, kIdleWait, [this] { return stop_; });
        }
        std::lock_guard lock(mutex_);
        if (stop_) {
            return;
        }
    }
}

bool WavPlayback::WantsData() const {
    if (target_.stream == nullptr) {
        return false;
    }
    const auto ahead =
        static_cast<std::int64_t>(target_.stream->BufferedFrames() + pending_.Frames());
    return ahead * kMsPerSecond < kSoundAheadMs * target_.outRate;
}

bool WavPlayback::Decode() {
    decoded_.clear();
    std::size_t frames = 0;
    if (!target_.reader->Read(kPieceFrames, decoded_, frames)) {
        return false;
    }
    if (frames == 0) {
        endOfFile_ = true;
        SDL_AudioStreamFlush(converter_);
    } else if (SDL_AudioStreamPut(converter_, decoded_.data(),
                                  static_cast<int>(decoded_.size() * sizeof(std::int16_t))) != 0) {
        return false;
    }
    const int available = SDL_AudioStreamAvailable(converter_);
    if (available > 0) {
        std::vector<float>& samples = pending_.Samples();
        const std::size_t before = samples.size();
        samples.resize(before + static_cast<std::size_t>(available) / sizeof(float));
        const int got = SDL_AudioStreamGet(converter_, samples.data() + before, available);
        samples.resize(before + static_cast<std::size_t>(std::max(got, 0)) / sizeof(float));
    }
    return true;
}

bool WavPlayback::Done() {
    if (target_.stream == nullptr) {
        // Without an output the play still takes the file's time.
        return clock_.Now() >= lengthMs_;
    }
    if (pending_.Frames() > 0 || target_.stream->BufferedFrames() > 0) {
        return false;
    }
    clock_.MarkSoundDone();
    return true;
}

void WavPlayback::Finish(NotifyValue value) {
    const std::int64_t end_ms = value == NotifyValue::Successful ? lengthMs_ : clock_.Now();
    target_.finished(value, std::min(end_ms, lengthMs_));
}

} // namespace lumora
