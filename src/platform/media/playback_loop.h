#pragma once
// The thread of one play, shared by the WAV and the FFmpeg plays: it feeds
// what is decoded to the output, decodes ahead while more is wanted, waits
// briefly when nothing is to be done, and reports when the play has reached
// its end by itself. A play supplies the feeding, the decoding and when it is
// done; it starts the thread at the end of its constructor and stops it first
// thing in its destructor, while everything the thread uses still exists.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "play_clock.h"
#include "sound_export.h"
#include "stream_player.h"

namespace lumora {

class AudioStream;

class LUMORA_SOUND_EXPORT PlaybackLoop : public PlayerPlayback {
  public:
    // The play ended by itself (playback thread), at end_ms.
    using Finished = std::function<void(NotifyValue, std::int64_t end_ms)>;

    ~PlaybackLoop() override;
    PlaybackLoop(const PlaybackLoop&) = delete;
    PlaybackLoop& operator=(const PlaybackLoop&) = delete;

    std::int64_t Clock() const override { return clock_.Now(); }
    void WaitForEnd() override;

  protected:
    // stream is null when there is no sound output; the clock then runs on
    // the wall clock. tempo is the speed the sound plays at (1 normal).
    PlaybackLoop(const AudioStream* stream, int outRate, std::int64_t startMs,
                 std::int64_t lengthMs, Finished finished, double tempo = 1.0);

    void StartThread();
    // Stops the play if it still runs; no notification.
    void StopThread();

    // Whether the play could start at all; when not, it ends as a failure.
    virtual bool Ready() const { return true; }
    // Hands what is decoded to the output (and, for a film, what is due on
    // the screen).
    virtual void Feed() = 0;
    virtual bool WantsData() const = 0;
    // Decodes the next piece, calling ReachedEnd at the end of the file;
    // false on an error, which ends the play as a failure.
    virtual bool DecodeNext() = 0;
    // Everything decoded has been played.
    virtual bool Done() = 0;

    void ReachedEnd() { endOfFile_ = true; }
    PlayClock& SoundClock() { return clock_; }
    std::int64_t LengthMs() const { return lengthMs_; }

  private:
    void Run();
    void Finish(NotifyValue value);

    PlayClock clock_;
    const std::int64_t lengthMs_;
    Finished finished_;
    bool endOfFile_ = false;

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace lumora
