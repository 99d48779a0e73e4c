#pragma once
// What every player of the backends shares: the file, mode and position,
// plays on a thread of their own that feed the shared sound output, and the
// end of every play posted to the thread that created the player, exactly
// once. A player for a kind of file supplies opening it and starting a play,
// and calls Close in its destructor, while its file is still there. All calls
// come from the creating thread.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "audio_stream.h"
#include "media_backend.h"
#include "sound_export.h"

namespace lumora {

class AudioOutput;
class NotifyPoster;

// One running play; destroying it stops the play without a notification.
class PlayerPlayback {
  public:
    virtual ~PlayerPlayback() = default;
    // Milliseconds from the start of the file handed to the output (any thread).
    virtual std::int64_t Clock() const = 0;
    // Blocks until the play has ended by itself.
    virtual void WaitForEnd() = 0;
};

class LUMORA_SOUND_EXPORT StreamPlayer : public BackendPlayer {
  public:
    StreamPlayer();
    ~StreamPlayer() override;
    StreamPlayer(const StreamPlayer&) = delete;
    StreamPlayer& operator=(const StreamPlayer&) = delete;

    const std::string& FileName() const override { return fileName_; }
    void SetFileName(const std::string& path) override { fileName_ = path; }
    bool Open() override;
    void Close() override;
    std::string ErrorText() const override { return error_; }

    void Play() override;
    void Pause() override;
    void Stop() override;
    void Seek(std::int64_t ms) override;
    void SetWait(bool wait) override { wait_ = wait; }
    void SetTempo(double tempo) override;

    PlayerMode Mode() const override;
    std::int64_t Position() const override;
    std::int64_t Length() const override { return lengthMs_; }

    void SetDisplay(VideoSurface*) override {}
    void SetNotifyHandler(NotifyHandler handler) override;

    SurfaceSize PictureSize() const override { return {}; }
    std::optional<std::chrono::steady_clock::time_point> FirstSoundTime() const override;

  protected:
    struct PlayStart {
        std::int64_t startMs = 0;
        // False when the file must first be positioned at startMs.
        bool positioned = false;
        // Null when there is no sound output.
        AudioStream* stream = nullptr;
        int outRate = 48000;
        // The speed to play at, 1 normal; the pitch stays.
        double tempo = 1.0;
        // The play ended by itself (playback thread), at end_ms.
        std::function<void(NotifyValue, std::int64_t end_ms)> finished;
    };

    // Opens the file on disk and returns its length, or the reason it failed.
    virtual std::optional<std::string> OpenFile(const std::string& path,
                                                std::int64_t& length_ms) = 0;
    virtual void CloseFile() = 0;
    virtual std::unique_ptr<PlayerPlayback> StartPlay(PlayStart start) = 0;

  private:
    void StartPlayback();
    // Stops the playback thread and returns its clock.
    std::int64_t JoinPlayback();
    // Ends the running play; a pending notification becomes value.
    void EndPlayback(PlayerMode mode, NotifyValue value);
    void Finished(NotifyValue value, std::int64_t end_ms);

    std::string fileName_;
    std::string error_;
    std::int64_t lengthMs_ = 0;
    std::shared_ptr<AudioOutput> output_;
    AudioStream stream_;
    std::unique_ptr<NotifyPoster> poster_;
    std::unique_ptr<PlayerPlayback> playback_;
    bool wait_ = false;
    double tempo_ = 1.0;
    bool filePositioned_ = false;

    // Shared with the playback thread.
    mutable std::mutex mutex_;
    PlayerMode mode_ = PlayerMode::NotReady;
    std::int64_t positionMs_ = 0;
    bool notifyPending_ = false;
};

} // namespace lumora
