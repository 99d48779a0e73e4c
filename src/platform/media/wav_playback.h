#pragma once
// One play of a WAV file, on a thread of its own: reads and decodes ahead of
// the output, converts to the output's format with SDL's audio stream and
// feeds the player's stream, and reports when the play has reached its end
// by itself.
#include <SDL2/SDL.h>

#include <cstdint>
#include <vector>

#include "pending_sound.h"
#include "playback_loop.h"
#include "tempo_stretch.h"

namespace lumora {

class AudioStream;
class WavReader;

class WavPlayback final : public PlaybackLoop {
  public:
    struct Target {
        // Positioned at the start of the play.
        WavReader* reader = nullptr;
        // Null when there is no sound output; the play then takes its time
        // on the wall clock.
        AudioStream* stream = nullptr;
        int outRate = 48000;
        // The speed of the sound, 1 normal; the pitch stays.
        double tempo = 1.0;
        Finished finished;
    };

    WavPlayback(Target target, std::int64_t start_ms, std::int64_t length_ms);
    ~WavPlayback() override;
    WavPlayback(const WavPlayback&) = delete;
    WavPlayback& operator=(const WavPlayback&) = delete;

  private:
    bool Ready() const override;
    void Feed() override;
    bool WantsData() const override;
    // Reads and converts the next piece of the file; false on a read error.
    bool DecodeNext() override;
    bool Done() override;

    Target target_;
    SDL_AudioStream* converter_ = nullptr;
    std::vector<std::int16_t> decoded_;
    PendingSound pending_;
    TempoStretch stretch_;
};

} // namespace lumora
