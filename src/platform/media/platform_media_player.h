#pragma once
// The media player of the program. It stands for the players of the media
// modules and picks one for each file it opens: WAV files the sound module
// reads (and files that cannot be read at all) go to the sound module's
// player, everything else, films among it, to the FFmpeg module's player.
// Each is created on first use, waiting then for its module to finish
// loading. A player told to queue while loading does not wait: it keeps the
// file it opened, its position and whether it plays, and hands them to the
// module's player once the load has ended, so neither the first sound nor
// the first film holds up the window that asked for it. Without a module it
// behaves like a player whose files cannot be opened. All calls come from
// the thread that created the player, where the end of every play is
// reported, exactly once per play.
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "backend_loader.h"
#include "media_backend.h"
#include "media_player.h"
#include "video_surface.h"

class QTimer;

namespace lumora {

class NotifyPoster;

class PlatformMediaPlayer final : public MediaPlayer {
  public:
    PlatformMediaPlayer();
    ~PlatformMediaPlayer() override;

    const std::string& FileName() const override { return fileName_; }
    void SetFileName(const std::string& path) override { fileName_ = path; }
    bool Open() override;
    void Close() override;
    std::string ErrorText() const override;

    void Play() override;
    void Pause() override;
    void Stop() override;
    void Seek(std::int64_t ms) override;
    void SetWait(bool wait) override;
    void SetTempo(double tempo) override;

    PlayerMode Mode() const override;
    std::int64_t Position() const override;
    std::int64_t Length() const override;

    void SetDisplay(VideoSurface* surface) override;
    void SetNotifyHandler(NotifyHandler handler) override;

    // The open film's picture size; 0 x 0 for sound.
    SurfaceSize PictureSize() const;

    // When the first sound of the current play reached the output, if it has.
    std::optional<std::chrono::steady_clock::time_point> FirstSoundTime() const;

    // Open and play calls made before the module they need has loaded are
    // queued instead of waiting for it (they need a running event loop to go
    // on).
    void QueueWhileLoading() { queueWhileLoading_ = true; }

  private:
    struct Engine {
        bool tried = false;
        std::unique_ptr<BackendPlayer> player;
    };

    // The module's player, created on the first call, which applies what was
    // queued for it; nullptr without the module.
    BackendPlayer* EngineFor(MediaModule module);
    // The player holding the open file, if any.
    BackendPlayer* Current() const;
    // True while calls for the module are to be queued rather than wait.
    bool Queueing(MediaModule module) const;
    // Ends a queued play with the value.
    void EndQueuedPlay(NotifyValue value);
    // Forgets the queued open, ending its play as aborted.
    void DropQueued();
    void QueueOpen(MediaModule module);
    // Hands what was queued to the player of its module, once that exists.
    void ApplyQueued();

    std::string fileName_;
    std::string error_;
    bool wait_ = false;
    double tempo_ = 1.0;
    VideoSurface* surface_ = nullptr;
    NotifyHandler handler_;
    bool queueWhileLoading_ = false;
    std::array<Engine, 2> engines_;
    std::optional<MediaModule> current_;
    // What was done before the module the open file needs loaded.
    bool queuedOpen_ = false;
    MediaModule queuedModule_ = MediaModule::Sound;
    bool queuedPlay_ = false;
    PlayerMode queuedMode_ = PlayerMode::NotReady;
    std::int64_t queuedPosition_ = 0;
    std::string queuedFile_;
    // Polls for the end of the load while calls are queued.
    std::unique_ptr<QTimer> loadTimer_;
    // Reports failed plays when there is no player.
    std::unique_ptr<NotifyPoster> poster_;
};

} // namespace lumora
