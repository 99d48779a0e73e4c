#pragma once
// The media player of the program. It stands for a player of the media
// backend (FFmpeg, SDL2), which it creates on first use, waiting then for the
// backend to finish loading. A player told to queue while loading does not
// wait: it keeps the file it opened, its position and whether it plays, and
// hands them to the backend's player once the load has ended, so the first
// sound of the program does not hold up its first window. Without a backend
// it behaves like a player whose files cannot be opened. All calls come from
// the thread that created the player, where the end of every play is
// reported, exactly once per play.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

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

    PlayerMode Mode() const override;
    std::int64_t Position() const override;
    std::int64_t Length() const override;

    void SetDisplay(VideoSurface* surface) override;
    void SetNotifyHandler(NotifyHandler handler) override;

    // The open film's picture size; 0 x 0 for sound.
    SurfaceSize PictureSize() const;

    // When the first sound of the current play reached the output, if it has.
    std::optional<std::chrono::steady_clock::time_point> FirstSoundTime() const;

    // Open and play calls made before the backend has loaded are queued
    // instead of waiting for it (they need a running event loop to go on).
    void QueueWhileLoading() { queueWhileLoading_ = true; }

  private:
    // The backend's player, created on the first call and given what was
    // queued; nullptr without a backend.
    BackendPlayer* Engine();
    // True while calls are to be queued rather than wait for the backend.
    bool Queueing() const;
    // Ends a queued play with the value.
    void EndQueuedPlay(NotifyValue value);
    void ApplyQueued();

    std::string fileName_;
    std::string error_;
    bool wait_ = false;
    VideoSurface* surface_ = nullptr;
    NotifyHandler handler_;
    bool engineTried_ = false;
    bool queueWhileLoading_ = false;
    // What was done before the backend loaded.
    bool queuedOpen_ = false;
    bool queuedPlay_ = false;
    PlayerMode queuedMode_ = PlayerMode::NotReady;
    std::int64_t queuedPosition_ = 0;
    std::string queuedFile_;
    // Polls for the end of the load while calls are queued.
    std::unique_ptr<QTimer> loadTimer_;
    std::unique_ptr<BackendPlayer> engine_;
    // Reports failed plays when there is no backend.
    std::unique_ptr<NotifyPoster> poster_;
};

} // namespace lumora
