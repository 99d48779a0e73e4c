#pragma once
// One player's sound on its way to the output: a single-producer,
// single-consumer ring of interleaved float frames. The player's playback
// thread writes; the output callback mixes it in and counts what it took,
// which is the player's clock.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound_export.h"

namespace lumora {

class LUMORA_SOUND_EXPORT AudioStream {
  public:
    AudioStream(std::size_t capacity_frames, int channels);

    // Producer side: copies as many frames as fit, returns how many.
    std::size_t Write(const float* frames, std::size_t count);
    std::size_t BufferedFrames() const;
    std::size_t FreeFrames() const;

    // Consumer side: adds up to count frames into out, returns how many.
    std::size_t MixInto(float* out, std::size_t count);

    // Frames handed to the output since the last Reset.
    std::int64_t PlayedFrames() const { return played_.load(std::memory_order_acquire); }
    // steady_clock nanoseconds when the first frame was handed out, 0 before.
    std::int64_t FirstFrameNanos() const { return firstFrameNs_.load(std::memory_order_acquire); }
    // The last hand-out: when, and how many frames.
    std::int64_t LastMixNanos() const { return lastMixNs_.load(std::memory_order_acquire); }
    std::int64_t LastMixFrames() const { return lastMixFrames_.load(std::memory_order_acquire); }

    // Empties the ring; only while the output does not read it.
    void Reset();

  private:
    std::vector<float> data_;
    std::size_t capacity_;
    int channels_;
    std::atomic<std::size_t> read_{0};  // frames read, ever
    std::atomic<std::size_t> write_{0}; // frames written, ever
    std::atomic<std::int64_t> played_{0};
    std::atomic<std::int64_t> firstFrameNs_{0};
    std::atomic<std::int64_t> lastMixNs_{0};
    std::atomic<std::int64_t> lastMixFrames_{0};
};

} // namespace lumora
