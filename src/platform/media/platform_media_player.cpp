#include "platform_media_player.h"

#include <QTimer>

#include <algorithm>
#include <utility>

#include "backend_loader.h"
#include "notify_poster.h"

namespace lumora {
namespace {

const char* const kNotOpen = "The device is not open.";
// How long after its first queued call a player starts loading the backend,
// and how often it then looks whether the load has ended.
constexpr int kLoadDelayMs = 250;
constexpr int kLoadPollMs = 5;

} // namespace

PlatformMediaPlayer::PlatformMediaPlayer() : poster_(std::make_unique<NotifyPoster>()) {}

PlatformMediaPlayer::~PlatformMediaPlayer() = default;

BackendPlayer* PlatformMediaPlayer::Engine() {
    if (!engine_tried_) {
        engine_tried_ = true;
        if (load_timer_) {
            load_timer_->stop();
        }
        if (MediaBackend* backend = WaitForMediaBackend()) {
            engine_ = backend->CreatePlayer();
            engine_->SetDisplay(surface_);
            engine_->SetNotifyHandler(handler_);
        }
        ApplyQueued();
    }
    return engine_.get();
}

bool PlatformMediaPlayer::Queueing() const {
    return queue_while_loading_ && !engine_tried_ && !MediaBackendLoadEnded();
}

void PlatformMediaPlayer::EndQueuedPlay(NotifyValue value) {
    if (std::exchange(queued_play_, false)) {
        poster_->Post(value);
    }
}

void PlatformMediaPlayer::ApplyQueued() {
    if (!queued_open_) {
        return;
    }
    queued_open_ = false;
    if (!engine_) {
        error_ = MediaBackendError();
        EndQueuedPlay(NotifyValue::Failure);
        return;
    }
    engine_->SetFileName(queued_file_);
    // A file that does not open fails the queued play through the player's
    // own Play, which reports Failure.
    if (engine_->Open() && queued_position_ > 0) {
        engine_->Seek(queued_position_);
    }
    if (std::exchange(queued_play_, false)) {
        engine_->Play();
    }
}

bool PlatformMediaPlayer::Open() {
    if (Queueing()) {
        EndQueuedPlay(NotifyValue::Aborted);
        queued_open_ = true;
        queued_file_ = file_name_;
        queued_mode_ = PlayerMode::Stopped;
        queued_position_ = 0;
        if (!load_timer_) {
            load_timer_ = std::make_unique<QTimer>();
            // The first tick comes a little after the event loop runs, once
            // the window that asked for the sound has appeared: the load keeps
            // a core busy, which would otherwise hold up the window's drawing.
            QObject::connect(load_timer_.get(), &QTimer::timeout, [this] {
                StartLoadingMediaBackend();
                load_timer_->setInterval(kLoadPollMs);
                if (MediaBackendLoadEnded()) {
                    Engine();
                }
            });
            load_timer_->start(kLoadDelayMs);
        }
        return true;
    }
    BackendPlayer* engine = Engine();
    if (engine == nullptr) {
        error_ = MediaBackendError();
        return false;
    }
    engine->SetFileName(file_name_);
    return engine->Open();
}

void PlatformMediaPlayer::Close() {
    if (queued_open_) {
        EndQueuedPlay(NotifyValue::Aborted);
        queued_mode_ = PlayerMode::NotReady;
        queued_open_ = false;
        queued_position_ = 0;
    }
    if (engine_) {
        engine_->Close();
    }
}

std::string PlatformMediaPlayer::ErrorText() const {
    return engine_ ? engine_->ErrorText() : error_;
}

void PlatformMediaPlayer::Play() {
    if (Queueing() && !wait_) {
        if (!queued_open_) {
            error_ = kNotOpen;
            poster_->Post(NotifyValue::Failure);
            return;
        }
        // A new play supersedes the queued one.
        EndQueuedPlay(NotifyValue::Superseded);
        queued_play_ = true;
        queued_mode_ = PlayerMode::Playing;
        return;
    }
    BackendPlayer* engine = Engine();
    if (engine == nullptr) {
        wait_ = false;
        error_ = kNotOpen;
        poster_->Post(NotifyValue::Failure);
        return;
    }
    engine->SetWait(std::exchange(wait_, false));
    engine->Play();
}

void PlatformMediaPlayer::Pause() {
    if (queued_open_ && queued_mode_ == PlayerMode::Playing) {
        EndQueuedPlay(NotifyValue::Aborted);
        queued_mode_ = PlayerMode::Paused;
    }
    if (engine_) {
        engine_->Pause();
    }
}

void PlatformMediaPlayer::Stop() {
    if (queued_open_ &&
        (queued_mode_ == PlayerMode::Playing || queued_mode_ == PlayerMode::Paused)) {
        EndQueuedPlay(NotifyValue::Aborted);
        queued_mode_ = PlayerMode::Stopped;
    }
    if (engine_) {
        engine_->Stop();
    }
}

void PlatformMediaPlayer::Seek(std::int64_t ms) {
    if (queued_open_) {
        queued_position_ = std::max<std::int64_t>(ms, 0);
    }
    if (engine_) {
        engine_->Seek(ms);
    }
}

void PlatformMediaPlayer::SetWait(bool wait) {
    wait_ = wait;
}

PlayerMode PlatformMediaPlayer::Mode() const {
    if (queued_open_) {
        return queued_mode_;
    }
    return engine_ ? engine_->Mode() : PlayerMode::NotReady;
}

std::int64_t PlatformMediaPlayer::Position() const {
    if (queued_open_) {
        return queued_position_;
    }
    return engine_ ? engine_->Position() : 0;
}

std::int64_t PlatformMediaPlayer::Length() const {
    return engine_ ? engine_->Length() : 0;
}

void PlatformMediaPlayer::SetDisplay(VideoSurface* surface) {
    surface_ = surface;
    if (engine_) {
        engine_->SetDisplay(surface);
    }
}

void PlatformMediaPlayer::SetNotifyHandler(NotifyHandler handler) {
    handler_ = handler;
    poster_->SetHandler(handler);
    if (engine_) {
        engine_->SetNotifyHandler(std::move(handler));
    }
}

SurfaceSize PlatformMediaPlayer::PictureSize() const {
    return engine_ ? engine_->PictureSize() : SurfaceSize{};
}

std::optional<std::chrono::steady_clock::time_point> PlatformMediaPlayer::FirstSoundTime() const {
    return engine_ ? engine_->FirstSoundTime() : std::nullopt;
}

} // namespace lumora
