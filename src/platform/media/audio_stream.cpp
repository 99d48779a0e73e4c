#include "audio_stream.h"

#include <algorithm>
#include <chrono>

namespace lumora {

AudioStream::AudioStream(std::size_t capacity_frames, int channels)
    : data_(capacity_frames * static_cast<std::size_t>(channels)), capacity_(capacity_frames),
      channels_(channels) {}

std::size_t AudioStream::BufferedFrames() const {
    return write_.load(std::memory_order_acquire) - read_.load(std::memory_order_acquire);
}

std::size_t AudioStream::FreeFrames() const {
    return capacity_ - BufferedFrames();
}

std::size_t AudioStream::Write(const float* frames, std::size_t count) {
    const std::size_t write = write_.load(std::memory_order_relaxed);
    const std::size_t n = std::min(count, FreeFrames());
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t slot = (write + i) % capacity_;
        std::copy_n(frames + i * channels_, channels_, data_.begin() + slot * channels_);
    }
    write_.store(write + n, std::memory_order_release);
    return n;
}

std::size_t AudioStream::MixInto(float* out, std::size_t count) {
    const std::size_t read = read_.load(std::memory_order_relaxed);
    const std::size_t n = std::min(count, write_.load(std::memory_order_acquire) - read);
    for (std::size_t i = 0; i < n; ++i) {
        const float* frame = data_.data() + ((read + i) % capacity_) * channels_;
        for (int c = 0; c < channels_; ++c) {
            out[i * channels_ + c] += frame[c];
        }
    }
    read_.store(read + n, std::memory_order_release);
    if (n > 0) {
        const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count();
        if (firstFrameNs_.load(std::memory_order_relaxed) == 0) {
            firstFrameNs_.store(now, std::memory_order_release);
        }
        lastMixFrames_.store(static_cast<std::int64_t>(n), std::memory_order_release);
        lastMixNs_.store(now, std::memory_order_release);
        played_.fetch_add(static_cast<std::int64_t>(n), std::memory_order_acq_rel);
    }
    return n;
}

void AudioStream::Reset() {
    read_.store(0);
    write_.store(0);
    played_.store(0);
    firstFrameNs_.store(0);
    lastMixNs_.store(0);
    lastMixFrames_.store(0);
}

} // namespace lumora
