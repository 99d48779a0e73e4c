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

PlayClock::PlayClock(const AudioStream* stream, int out_rate, std::int64_t start_ms, double tempo)
    : stream_(stream), outRate_(out_rate), startMs_(start_ms), tempo_(tempo),
      started_(std::chrono::steady_clock::now()) {}

std::int64_t PlayClock::FileMs(std::int64_t nanos) const {
    return static_cast<std::int64_t>(static_cast<double>(nanos) * tempo_) / kNsPerMs;
}

std::int64_t PlayClock::Now() const {
    if (soundDone_.load(std::memory_order_acquire)) {
        return soundDoneMs_.load() + FileMs(NowNanos() - soundDoneWallNs_.load());
    }
    if (stream_ != nullptr) {
        // The output takes sound a period at a time and plays it during the
        // next period; the clock moves through that period smoothly, so film
        // frames do not bunch up at each hand-out.
        const std::int64_t last = stream_->LastMixFrames();
        const std::int64_t before_last = stream_->PlayedFrames() - last;
        const std::int64_t into_last = std::clamp<std::int64_t>(
            (NowNanos() - stream_->LastMixNanos()) * outRate_ / (kMsPerSecond * kNsPerMs), 0, last);
        return startMs_ + FileMs((before_last + into_last) * kMsPerSecond * kNsPerMs / outRate_);
    }
    const auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now() - started_);
    return startMs_ + FileMs(since.count());
}

void PlayClock::MarkSoundDone() {
    soundDoneMs_ = Now();
    soundDoneWallNs_ = NowNanos();
    soundDone_.store(true, std::memory_order_release);
}

} // namespace lumora
