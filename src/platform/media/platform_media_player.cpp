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
    if (!engineTried_) {
        engineTried_ = true;
        if (loadTimer_) {
            loadTimer_->stop();
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
    return queueWhileLoading_ && !engineTried_ && !MediaBackendLoadEnded();
}

void PlatformMediaPlayer::EndQueuedPlay(NotifyValue value) {
    if (std::exchange(queuedPlay_, false)) {
        poster_->Post(value);
    }
}

void PlatformMediaPlayer::ApplyQueued() {
    if (!queuedOpen_) {
        return;
    }
    queuedOpen_ = false;
    if (!engine_) {
        error_ = MediaBackendError();
        EndQueuedPlay(NotifyValue::Failure);
        return;
    }
    engine_->SetFileName(queuedFile_);
    // A file that does not open fails the queued play through the player's
    // own Play, which reports Failure.
    if (engine_->Open() && queuedPosition_ > 0) {
        engine_->Seek(queuedPosition_);
    }
    if (std::exchange(queuedPlay_, false)) {
        engine_->Play();
    }
}

bool PlatformMediaPlayer::Open() {
    if (Queueing()) {
        EndQueuedPlay(NotifyValue::Aborted);
        queuedOpen_ = true;
        queuedFile_ = fileName_;
        queuedMode_ = PlayerMode::Stopped;
        queuedPosition_ = 0;
        if (!loadTimer_) {
            loadTimer_ = std::make_unique<QTimer>();
            // The first tick comes a little after the event loop runs, once
            // the window that asked for the sound has appeared: the load keeps
            // a core busy, which would otherwise hold up the window's drawing.
            QObject::connect(loadTimer_.get(), &QTimer::timeout, [this] {
                StartLoadingMediaBackend();
                loadTimer_->setInterval(kLoadPollMs);
                if (MediaBackendLoadEnded()) {
                    Engine();
                }
            });
            loadTimer_->start(kLoadDelayMs);
        }
        return true;
    }
    BackendPlayer* engine = Engine();
    if (engine == nullptr) {
        error_ = MediaBackendError();
        return false;
    }
    engine->SetFileName(fileName_);
    return engine->Open();
}

void PlatformMediaPlayer::Close() {
    if (queuedOpen_) {
        EndQueuedPlay(NotifyValue::Aborted);
        queuedMode_ = PlayerMode::NotReady;
        queuedOpen_ = false;
        queuedPosition_ = 0;
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
        if (!queuedOpen_) {
            error_ = kNotOpen;
            poster_->Post(NotifyValue::Failure);
            return;
        }
        // A new play supersedes the queued one.
        EndQueuedPlay(NotifyValue::Superseded);
        queuedPlay_ = true;
        queuedMode_ = PlayerMode::Playing;
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
    if (queuedOpen_ && queuedMode_ == PlayerMode::Playing) {
        EndQueuedPlay(NotifyValue::Aborted);
        queuedMode_ = PlayerMode::Paused;
    }
    if (engine_) {
        engine_->Pause();
    }
}

void PlatformMediaPlayer::Stop() {
    if (queuedOpen_ && (queuedMode_ == PlayerMode::Playing || queuedMode_ == PlayerMode::Paused)) {
        EndQueuedPlay(NotifyValue::Aborted);
        queuedMode_ = PlayerMode::Stopped;
    }
    if (engine_) {
        engine_->Stop();
    }
}

void PlatformMediaPlayer::Seek(std::int64_t ms) {
    if (queuedOpen_) {
        queuedPosition_ = std::max<std::int64_t>(ms, 0);
    }
    if (engine_) {
        engine_->Seek(ms);
    }
}

void PlatformMediaPlayer::SetWait(bool wait) {
    wait_ = wait;
}

PlayerMode PlatformMediaPlayer::Mode() const {
    if (queuedOpen_) {
        return queuedMode_;
    }
    return engine_ ? engine_->Mode() : PlayerMode::NotReady;
}

std::int64_t PlatformMediaPlayer::Position() const {
    if (queuedOpen_) {
        return queuedPosition_;
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
