#include "platform_media_player.h"

#include <QTimer>

#include <algorithm>
#include <utility>

#include "media_path.h"
#include "notify_poster.h"
#include "wav_reader.h"

namespace lumora {
namespace {

const char* const kNotOpen = "The device is not open.";
// How long after a queued open a player starts loading the module it needs,
// and how often it then looks whether the load has ended: the sound module
// loads in a few tens of milliseconds, and the first sound follows at once.
constexpr int kLoadDelayMs = 0;
constexpr int kLoadPollMs = 1;

std::size_t Index(MediaModule module) {
    return module == MediaModule::Sound ? 0 : 1;
}

// The sound module plays the WAV files it decodes; it also takes the files
// that cannot be opened and damaged WAV files, so that loading FFmpeg is not
// needed to tell why they do not play.
MediaModule ModuleFor(const std::string& name) {
    return ReadWavHeader(MediaFileOnDisk(name)).kind == WavKind::OtherFormat ? MediaModule::Ffmpeg
                                                                             : MediaModule::Sound;
}

} // namespace

PlatformMediaPlayer::PlatformMediaPlayer() : poster_(std::make_unique<NotifyPoster>()) {}

PlatformMediaPlayer::~PlatformMediaPlayer() = default;

BackendPlayer* PlatformMediaPlayer::EngineFor(MediaModule module) {
    Engine& engine = engines_[Index(module)];
    if (!engine.tried) {
        engine.tried = true;
        if (MediaBackend* backend = WaitForMediaModule(module)) {
            engine.player = backend->CreatePlayer();
            engine.player->SetDisplay(surface_);
            engine.player->SetTempo(tempo_);
            engine.player->SetNotifyHandler(handler_);
        }
    }
    return engine.player.get();
}

BackendPlayer* PlatformMediaPlayer::Current() const {
    return current_ ? engines_[Index(*current_)].player.get() : nullptr;
}

bool PlatformMediaPlayer::Queueing(MediaModule module) const {
    return queueWhileLoading_ && !engines_[Index(module)].tried && !MediaModuleLoadEnded(module);
}

void PlatformMediaPlayer::EndQueuedPlay(NotifyValue value) {
    if (std::exchange(queuedPlay_, false)) {
        poster_->Post(value);
    }
}

void PlatformMediaPlayer::DropQueued() {
    if (queuedOpen_) {
        EndQueuedPlay(NotifyValue::Aborted);
        queuedOpen_ = false;
        queuedMode_ = PlayerMode::NotReady;
        queuedPosition_ = 0;
    }
}

void PlatformMediaPlayer::QueueOpen(MediaModule module) {
    queuedOpen_ = true;
    queuedModule_ = module;
    queuedFile_ = fileName_;
    queuedMode_ = PlayerMode::Stopped;
    queuedPosition_ = 0;
    if (!loadTimer_) {
        loadTimer_ = std::make_unique<QTimer>();
        loadTimer_->setTimerType(Qt::PreciseTimer);
        // The first tick comes once the event loop runs, after the window
        // that asked for the file has been shown.
        QObject::connect(loadTimer_.get(), &QTimer::timeout, [this] {
            if (!queuedOpen_) {
                loadTimer_->stop();
                return;
            }
            StartLoadingMediaModule(queuedModule_);
            loadTimer_->setInterval(kLoadPollMs);
            if (MediaModuleLoadEnded(queuedModule_)) {
                loadTimer_->stop();
                EngineFor(queuedModule_);
                ApplyQueued();
            }
        });
    }
    if (!loadTimer_->isActive()) {
        loadTimer_->start(kLoadDelayMs);
    }
}

void PlatformMediaPlayer::ApplyQueued() {
    if (!queuedOpen_) {
        return;
    }
    queuedOpen_ = false;
    BackendPlayer* engine = engines_[Index(queuedModule_)].player.get();
    if (engine == nullptr) {
        error_ = MediaModuleError(queuedModule_);
        current_.reset();
        EndQueuedPlay(NotifyValue::Failure);
        return;
    }
    current_ = queuedModule_;
    engine->SetFileName(queuedFile_);
    // A file that does not open fails the queued play through the player's
    // own Play, which reports Failure.
    if (engine->Open() && queuedPosition_ > 0) {
        engine->Seek(queuedPosition_);
    }
    if (std::exchange(queuedPlay_, false)) {
        engine->Play();
    }
}

bool PlatformMediaPlayer::Open() {
    DropQueued();
    const MediaModule module = ModuleFor(fileName_);
    const bool queue = Queueing(module);
    if (current_ && (queue || *current_ != module)) {
        // The file that was open is closed, as a player's Open does.
        if (BackendPlayer* previous = Current()) {
            previous->Close();
        }
        current_.reset();
    }
    if (queue) {
        QueueOpen(module);
        return true;
    }
    BackendPlayer* engine = EngineFor(module);
    if (engine == nullptr) {
        error_ = MediaModuleError(module);
        return false;
    }
    current_ = module;
    engine->SetFileName(fileName_);
    return engine->Open();
}

void PlatformMediaPlayer::Close() {
    DropQueued();
    if (BackendPlayer* engine = Current()) {
        engine->Close();
    }
}

std::string PlatformMediaPlayer::ErrorText() const {
    const BackendPlayer* engine = Current();
    return engine != nullptr ? engine->ErrorText() : error_;
}

void PlatformMediaPlayer::Play() {
    if (queuedOpen_ && !wait_) {
        // A new play supersedes the queued one.
        EndQueuedPlay(NotifyValue::Superseded);
        queuedPlay_ = true;
        queuedMode_ = PlayerMode::Playing;
        return;
    }
    if (queuedOpen_) {
        // A waiting play waits for the load as well.
        EngineFor(queuedModule_);
        ApplyQueued();
    }
    BackendPlayer* engine = Current();
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
    if (queuedOpen_) {
        if (queuedMode_ == PlayerMode::Playing) {
            EndQueuedPlay(NotifyValue::Aborted);
            queuedMode_ = PlayerMode::Paused;
        }
    } else if (BackendPlayer* engine = Current()) {
        engine->Pause();
    }
}

void PlatformMediaPlayer::Stop() {
    if (queuedOpen_) {
        if (queuedMode_ == PlayerMode::Playing || queuedMode_ == PlayerMode::Paused) {
            EndQueuedPlay(NotifyValue::Aborted);
            queuedMode_ = PlayerMode::Stopped;
        }
    } else if (BackendPlayer* engine = Current()) {
        engine->Stop();
    }
}

void PlatformMediaPlayer::Seek(std::int64_t ms) {
    if (queuedOpen_) {
        queuedPosition_ = std::max<std::int64_t>(ms, 0);
    } else if (BackendPlayer* engine = Current()) {
        engine->Seek(ms);
    }
}

void PlatformMediaPlayer::SetWait(bool wait) {
    wait_ = wait;
}

PlayerMode PlatformMediaPlayer::Mode() const {
    if (queuedOpen_) {
        return queuedMode_;
    }
    const BackendPlayer* engine = Current();
    return engine != nullptr ? engine->Mode() : PlayerMode::NotReady;
}

std::int64_t PlatformMediaPlayer::Position() const {
    if (queuedOpen_) {
        return queuedPosition_;
    }
    const BackendPlayer* engine = Current();
    return engine != nullptr ? engine->Position() : 0;
}

std::int64_t PlatformMediaPlayer::Length() const {
    const BackendPlayer* engine = queuedOpen_ ? nullptr : Current();
    return engine != nullptr ? engine->Length() : 0;
}

void PlatformMediaPlayer::SetTempo(double tempo) {
    tempo_ = tempo;
    for (Engine& engine : engines_) {
        if (engine.player) {
            engine.player->SetTempo(tempo);
        }
    }
}

void PlatformMediaPlayer::SetDisplay(VideoSurface* surface) {
    surface_ = surface;
    for (Engine& engine : engines_) {
        if (engine.player) {
            engine.player->SetDisplay(surface);
        }
    }
}

void PlatformMediaPlayer::SetNotifyHandler(NotifyHandler handler) {
    handler_ = handler;
    poster_->SetHandler(handler);
    for (Engine& engine : engines_) {
        if (engine.player) {
            engine.player->SetNotifyHandler(handler);
        }
    }
}

SurfaceSize PlatformMediaPlayer::PictureSize() const {
    const BackendPlayer* engine = queuedOpen_ ? nullptr : Current();
    return engine != nullptr ? engine->PictureSize() : SurfaceSize{};
}

std::optional<std::chrono::steady_clock::time_point> PlatformMediaPlayer::FirstSoundTime() const {
    const BackendPlayer* engine = queuedOpen_ ? nullptr : Current();
    return engine != nullptr ? engine->FirstSoundTime() : std::nullopt;
}

} // namespace lumora
