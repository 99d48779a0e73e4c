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

    const std::string& FileName() const override { return file_name_; }
    void SetFileName(const std::string& path) override { file_name_ = path; }
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
    void QueueWhileLoading() { queue_while_loading_ = true; }

  private:
    // The backend's player, created on the first call and given what was
    // queued; nullptr without a backend.
    BackendPlayer* Engine();
    // True while calls are to be queued rather than wait for the backend.
    bool Queueing() const;
    // Ends a queued play with the value.
    void EndQueuedPlay(NotifyValue value);
    void ApplyQueued();

    std::string file_name_;
    std::string error_;
    bool wait_ = false;
    VideoSurface* surface_ = nullptr;
    NotifyHandler handler_;
    bool engine_tried_ = false;
    bool queue_while_loading_ = false;
    // What was done before the backend loaded.
    bool queued_open_ = false;
    bool queued_play_ = false;
    PlayerMode queued_mode_ = PlayerMode::NotReady;
    std::int64_t queued_position_ = 0;
    std::string queued_file_;
    // Polls for the end of the load while calls are queued.
    std::unique_ptr<QTimer> load_timer_;
    std::unique_ptr<BackendPlayer> engine_;
    // Reports failed plays when there is no backend.
    std::unique_ptr<NotifyPoster> poster_;
};

} // namespace lumora
