#include "ffmpeg_player.h"

#include <algorithm>

#include "audio_output.h"
#include "media_path.h"
#include "notify_poster.h"
#include "playback.h"
#include "video_surface.h"

namespace lumora {
namespace {

// About two seconds of sound fit in a player's stream.
constexpr std::size_t kStreamFrames = 2 * 48000;
const char* const kNotOpen = "The device is not open.";

} // namespace

FfmpegPlayer::FfmpegPlayer()
    : stream_(kStreamFrames, AudioOutput::kChannels), poster_(std::make_unique<NotifyPoster>()) {}

FfmpegPlayer::~FfmpegPlayer() {
    Close();
}

bool FfmpegPlayer::Open() {
    Close();
    if (auto error = decoder_.Open(MediaFileOnDisk(fileName_))) {
        error_ = *error;
        return false;
    }
    error_.clear();
    if (!output_) {
        output_ = AudioOutput::Shared();
    }
    decoderAtPosition_ = true;
    std::lock_guard lock(mutex_);
    mode_ = PlayerMode::Stopped;
    positionMs_ = 0;
    return true;
}

void FfmpegPlayer::Close() {
    EndPlayback(PlayerMode::NotReady, NotifyValue::Aborted);
    decoder_.Close();
    std::lock_guard lock(mutex_);
    positionMs_ = 0;
}

void FfmpegPlayer::Play() {
    const bool wait = std::exchange(wait_, false);
    if (Mode() == PlayerMode::NotReady) {
        error_ = kNotOpen;
        poster_->Post(NotifyValue::Failure);
        return;
    }
    // A new play supersedes the one that is running.
    EndPlayback(PlayerMode::Stopped, NotifyValue::Superseded);
    {
        std::lock_guard lock(mutex_);
        // Playing from the end starts the file again.
        if (positionMs_ >= Length()) {
            positionMs_ = 0;
            decoderAtPosition_ = false;
        }
        notifyPending_ = true;
    }
    StartPlayback();
    if (wait) {
        playback_->WaitForEnd();
    }
}

void FfmpegPlayer::Pause() {
    if (Mode() == PlayerMode::Playing) {
        EndPlayback(PlayerMode::Paused, NotifyValue::Aborted);
    }
}

void FfmpegPlayer::Stop() {
    const PlayerMode mode = Mode();
    if (mode == PlayerMode::Playing || mode == PlayerMode::Paused) {
        EndPlayback(PlayerMode::Stopped, NotifyValue::Aborted);
    }
}

void FfmpegPlayer::Seek(std::int64_t ms) {
    if (Mode() == PlayerMode::NotReady) {
        return;
    }
    bool playing = Mode() == PlayerMode::Playing;
    if (playing) {
        JoinPlayback();
    }
    {
        std::lock_guard lock(mutex_);
        // A play that reached its end meanwhile has been reported; it stays ended.
        playing = playing && mode_ == PlayerMode::Playing;
        positionMs_ = std::clamp<std::int64_t>(ms, 0, Length());
    }
    decoderAtPosition_ = false;
    if (playing) {
        // The play goes on from the new place; its notification stays due.
        StartPlayback();
    }
}

PlayerMode FfmpegPlayer::Mode() const {
    std::lock_guard lock(mutex_);
    return mode_;
}

std::int64_t FfmpegPlayer::Position() const {
    std::lock_guard lock(mutex_);
    if (mode_ == PlayerMode::Playing && playback_) {
        return std::clamp<std::int64_t>(playback_->Clock(), 0, Length());
    }
    return positionMs_;
}

void FfmpegPlayer::SetDisplay(VideoSurface* surface) {
    std::lock_guard lock(surfaceMutex_);
    surface_ = surface;
}

void FfmpegPlayer::SetNotifyHandler(NotifyHandler handler) {
    poster_->SetHandler(std::move(handler));
}

SurfaceSize FfmpegPlayer::PictureSize() const {
    return {decoder_.PictureWidth(), decoder_.PictureHeight()};
}

std::optional<std::chrono::steady_clock::time_point> FfmpegPlayer::FirstSoundTime() const {
    const std::int64_t ns = stream_.FirstFrameNanos();
    if (ns == 0) {
        return std::nullopt;
    }
    return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(ns));
}

void FfmpegPlayer::StartPlayback() {
    std::int64_t start = 0;
    {
        std::lock_guard lock(mutex_);
        start = positionMs_;
        mode_ = PlayerMode::Playing;
    }
    if (!decoderAtPosition_) {
        decoder_.SeekTo(start);
    }
    decoderAtPosition_ = false;
    stream_.Reset();
    Playback::Target target;
    target.decoder = &decoder_;
    if (output_ && output_->Ok()) {
        target.stream = &stream_;
        target.out_rate = output_->Rate();
        output_->Attach(&stream_);
    }
    if (decoder_.HasVideo()) {
        target.present = [this](const AVFrame& frame) { Present(frame); };
    }
    target.finished = [this](NotifyValue value, std::int64_t end_ms) { Finished(value, end_ms); };
    auto playback = std::make_unique<Playback>(std::move(target), start, Length());
    std::lock_guard lock(mutex_);
    playback_ = std::move(playback);
}

std::int64_t FfmpegPlayer::JoinPlayback() {
    std::unique_ptr<Playback> playback;
    std::int64_t clock = 0;
    {
        std::lock_guard lock(mutex_);
        playback = std::move(playback_);
        if (playback) {
            clock = playback->Clock();
        }
    }
    // Joined outside the lock: the playback thread may be finishing.
    playback.reset();
    if (output_) {
        output_->Detach(&stream_);
    }
    return clock;
}

void FfmpegPlayer::EndPlayback(PlayerMode mode, NotifyValue value) {
    const std::int64_t clock = JoinPlayback();
    std::lock_guard lock(mutex_);
    if (mode_ == PlayerMode::Playing) {
        positionMs_ = std::clamp<std::int64_t>(clock, 0, Length());
    }
    if (mode == PlayerMode::NotReady || mode_ == PlayerMode::Playing ||
        mode_ == PlayerMode::Paused) {
        mode_ = mode;
    }
    if (notifyPending_) {
        notifyPending_ = false;
        poster_->Post(value);
    }
}

void FfmpegPlayer::Finished(NotifyValue value, std::int64_t end_ms) {
    std::lock_guard lock(mutex_);
    mode_ = PlayerMode::Stopped;
    positionMs_ = end_ms;
    if (notifyPending_) {
        notifyPending_ = false;
        poster_->Post(value);
    }
}

void FfmpegPlayer::Present(const AVFrame& frame) {
    std::lock_guard lock(surfaceMutex_);
    if (surface_ == nullptr) {
        return;
    }
    const SurfaceSize size = surface_->Size();
    if (scaler_.Scale(frame, size.width, size.height, pixels_)) {
        surface_->Present(pixels_.data(), size.width, size.height);
    }
}

} // namespace lumora
