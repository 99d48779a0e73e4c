#pragma once
// One play of an open file, on a thread of its own: decodes ahead, feeds the
// sound to the output stream, shows each film frame when the sound clock
// reaches it, and reports when the play has reached its end by itself.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "audio_converter.h"
#include "media_decoder.h"
#include "media_player.h"
#include "pending_sound.h"
#include "play_clock.h"
#include "stream_player.h"

namespace lumora {

class AudioStream;

class Playback final : public FrameSink, public PlayerPlayback {
  public:
    struct Target {
        MediaDecoder* decoder = nullptr;
        // Null when there is no sound output; the clock then runs on the wall clock.
        AudioStream* stream = nullptr;
        int out_rate = 48000;
        // Draws a frame now (playback thread); null when nobody looks.
        std::function<void(const AVFrame&)> present;
        // The play ended by itself (playback thread), at end_ms.
        std::function<void(NotifyValue, std::int64_t end_ms)> finished;
    };

    // Starts playing the decoder's file from start_ms; the decoder must be
    // positioned there.
    Playback(Target target, std::int64_t start_ms, std::int64_t length_ms);
    // Stops the play if it still runs; no notification.
    ~Playback() override;
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Milliseconds from the start of the file that have been handed to the
    // output (any thread).
    std::int64_t Clock() const override { return clock_.Now(); }
    // Blocks until the play has ended by itself.
    void WaitForEnd() override;

    void OnAudioFrame(const AVFrame& frame, std::int64_t pts_ms) override;
    void OnVideoFrame(const AVFrame& frame, std::int64_t pts_ms) override;

  private:
    void Run();
    bool WantsData() const;
    bool Done();
    void FeedStream();
    void PresentDue();
    void Finish(NotifyValue value);

    Target target_;
    const std::int64_t startMs_;
    const std::int64_t lengthMs_;
    PlayClock clock_;
    AudioConverter converter_;
    PendingSound pending_;
    struct TimedFrame {
        AVFrame* frame;
        std::int64_t ms;
    };
    std::deque<TimedFrame> frames_;
    bool endOfFile_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace lumora
