#pragma once
// One play of an open file, on a thread of its own: decodes ahead, feeds the
// sound to the output stream, shows each film frame when the sound clock
// reaches it, and reports when the play has reached its end by itself.
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "audio_converter.h"
#include "media_decoder.h"
#include "media_player.h"
#include "pending_sound.h"
#include "playback_loop.h"
#include "tempo_stretch.h"

namespace lumora {

class AudioStream;

class Playback final : public FrameSink, public PlaybackLoop {
  public:
    struct Target {
        MediaDecoder* decoder = nullptr;
        // Null when there is no sound output; the clock then runs on the wall clock.
        AudioStream* stream = nullptr;
        int out_rate = 48000;
        // The speed of the play, 1 normal; the sound keeps its pitch.
        double tempo = 1.0;
        // Draws a frame now (playback thread); null when nobody looks.
        std::function<void(const AVFrame&)> present;
        Finished finished;
    };

    // Starts playing the decoder's file from start_ms; the decoder must be
    // positioned there.
    Playback(Target target, std::int64_t start_ms, std::int64_t length_ms);
    // Stops the play if it still runs; no notification.
    ~Playback() override;
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    void OnAudioFrame(const AVFrame& frame, std::int64_t pts_ms) override;
    void OnVideoFrame(const AVFrame& frame, std::int64_t pts_ms) override;

  private:
    void Feed() override;
    bool WantsData() const override;
    bool DecodeNext() override;
    bool Done() override;
    void PresentDue();

    Target target_;
    const std::int64_t startMs_;
    AudioConverter converter_;
    PendingSound pending_;
    TempoStretch stretch_;
    struct TimedFrame {
        AVFrame* frame;
        std::int64_t ms;
    };
    std::deque<TimedFrame> frames_;
};

} // namespace lumora
