#pragma once
// One play of a WAV file, on a thread of its own: reads and decodes ahead of
// the output, converts to the output's format with SDL's audio stream and
// feeds the player's stream, and reports when the play has reached its end
// by itself.
#include <SDL2/SDL.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "media_player.h"
#include "pending_sound.h"
#include "play_clock.h"
#include "stream_player.h"

namespace lumora {

class AudioStream;
class WavReader;

class WavPlayback final : public PlayerPlayback {
  public:
    struct Target {
        // Positioned at the start of the play.
        WavReader* reader = nullptr;
        // Null when there is no sound output; the play then takes its time
        // on the wall clock.
        AudioStream* stream = nullptr;
        int outRate = 48000;
        // The play ended by itself (playback thread), at end_ms.
        std::function<void(NotifyValue, std::int64_t end_ms)> finished;
    };

    WavPlayback(Target target, std::int64_t start_ms, std::int64_t length_ms);
    ~WavPlayback() override;
    WavPlayback(const WavPlayback&) = delete;
    WavPlayback& operator=(const WavPlayback&) = delete;

    std::int64_t Clock() const override { return clock_.Now(); }
    void WaitForEnd() override;

  private:
    void Run();
    bool WantsData() const;
    // Reads and converts the next piece of the file; false on a read error.
    bool Decode();
    bool Done();
    void Finish(NotifyValue value);

    Target target_;
    const std::int64_t lengthMs_;
    PlayClock clock_;
    SDL_AudioStream* converter_ = nullptr;
    std::vector<std::int16_t> decoded_;
    PendingSound pending_;
    bool endOfFile_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace lumora
