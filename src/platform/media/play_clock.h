#pragma once
// The clock of one play: milliseconds from the start of the file that have
// been handed to the output. It follows the frames the output has taken from
// the player's stream, moving smoothly through each period; once all the
// sound has been played, or when there is no output, it runs on the wall
// clock. A slowed play (tempo below 1) hands the file's milliseconds out
// more slowly: its clock moves at tempo times the time the output takes.
#include <atomic>
#include <chrono>
#include <cstdint>

#include "sound_export.h"

namespace lumora {

class AudioStream;

class LUMORA_SOUND_EXPORT PlayClock {
  public:
    // stream is null when there is no sound output.
    PlayClock(const AudioStream* stream, int out_rate, std::int64_t start_ms, double tempo = 1.0);

    // Any thread.
    std::int64_t Now() const;
    // Every frame written to the stream has been played; the clock goes on
    // from here on the wall clock.
    void MarkSoundDone();
    bool SoundDone() const { return soundDone_.load(std::memory_order_acquire); }

  private:
    // Output or wall-clock nanoseconds as milliseconds of the file.
    std::int64_t FileMs(std::int64_t nanos) const;

    const AudioStream* stream_;
    const int outRate_;
    const std::int64_t startMs_;
    const double tempo_;
    const std::chrono::steady_clock::time_point started_;
    std::atomic<bool> soundDone_{false};
    std::atomic<std::int64_t> soundDoneMs_{0};
    std::atomic<std::int64_t> soundDoneWallNs_{0};
};

} // namespace lumora
