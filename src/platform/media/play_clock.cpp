#include "play_clock.h"

#include <algorithm>

#include "audio_stream.h"

namespace lumora {
namespace {

constexpr std::int64_t kMsPerSecond = 1000;
constexpr std::int64_t kNsPerMs = 1'000'000;

std::int64_t NowNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

PlayClock::PlayClock(const AudioStream* stream, int out_rate, std::int64_t start_ms)
    : stream_(stream), outRate_(out_rate), startMs_(start_ms),
      started_(std::chrono::steady_clock::now()) {}

std::int64_t PlayClock::Now() const {
    if (soundDone_.load(std::memory_order_acquire)) {
        return soundDoneMs_.load() + (NowNanos() - soundDoneWallNs_.load()) / kNsPerMs;
    }
    if (stream_ != nullptr) {
        // The output takes sound a period at a time and plays it during the
        // next period; the clock moves through that period smoothly, so film
        // frames do not bunch up at each hand-out.
        const std::int64_t last = stream_->LastMixFrames();
        const std::int64_t before_last = stream_->PlayedFrames() - last;
        const std::int64_t into_last = std::clamp<std::int64_t>(
            (NowNanos() - stream_->LastMixNanos()) * outRate_ / (kMsPerSecond * kNsPerMs), 0, last);
        return startMs_ + (before_last + into_last) * kMsPerSecond / outRate_;
    }
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started_);
    return startMs_ + since.count();
}

void PlayClock::MarkSoundDone() {
    soundDoneMs_ = Now();
    soundDoneWallNs_ = NowNanos();
    soundDone_.store(true, std::memory_order_release);
}

} // namespace lumora
