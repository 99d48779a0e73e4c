#include "stream_player.h"

#include <algorithm>

#include "audio_output.h"
#include "media_path.h"
#include "notify_poster.h"

namespace lumora {
namespace {

// About two seconds of sound fit in a player's stream.
constexpr std::size_t kStreamFrames = 2 * 48000;
const char* const kNotOpen = "The device is not open.";

} // namespace

StreamPlayer::StreamPlayer()
    : stream_(kStreamFrames, AudioOutput::kChannels), poster_(std::make_unique<NotifyPoster>()) {}

StreamPlayer::~StreamPlayer() = default;

bool StreamPlayer::Open() {
    Close();
    std::int64_t length = 0;
    if (auto error = OpenFile(MediaFileOnDisk(fileName_), length)) {
        error_ = *error;
        return false;
    }
    error_.clear();
    lengthMs_ = length;
    if (!output_) {
        output_ = AudioOutput::Shared();
    }
    filePositioned_ = true;
    std::lock_guard lock(mutex_);
    mode_ = PlayerMode::Stopped;
    positionMs_ = 0;
    return true;
}

void StreamPlayer::Close() {
    EndPlayback(PlayerMode::NotReady, NotifyValue::Aborted);
    CloseFile();
    lengthMs_ = 0;
    std::lock_guard lock(mutex_);
    positionMs_ = 0;
}

void StreamPlayer::Play() {
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
            filePositioned_ = false;
        }
        notifyPending_ = true;
    }
    StartPlayback();
    if (wait) {
        playback_->WaitForEnd();
    }
}

void StreamPlayer::Pause() {
    if (Mode() == PlayerMode::Playing) {
        EndPlayback(PlayerMode::Paused, NotifyValue::Aborted);
    }
}

void StreamPlayer::Stop() {
    const PlayerMode mode = Mode();
    if (mode == PlayerMode::Playing || mode == PlayerMode::Paused) {
        EndPlayback(PlayerMode::Stopped, NotifyValue::Aborted);
    }
}

void StreamPlayer::Seek(std::int64_t ms) {
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
    filePositioned_ = false;
    if (playing) {
        // The play goes on from the new place; its notification stays due.
        StartPlayback();
    }
}

void StreamPlayer::SetTempo(double tempo) {
    if (tempo == tempo_) {
        return;
    }
    tempo_ = tempo;
    if (Mode() == PlayerMode::Playing) {
        // The play goes on from where it is at the new speed.
        Seek(Position());
    }
}

PlayerMode StreamPlayer::Mode() const {
    std::lock_guard lock(mutex_);
    return mode_;
}

std::int64_t StreamPlayer::Position() const {
    std::lock_guard lock(mutex_);
    if (mode_ == PlayerMode::Playing && playback_) {
        return std::clamp<std::int64_t>(playback_->Clock(), 0, Length());
    }
    return positionMs_;
}

void StreamPlayer::SetNotifyHandler(NotifyHandler handler) {
    poster_->SetHandler(std::move(handler));
}

std::optional<std::chrono::steady_clock::time_point> StreamPlayer::FirstSoundTime() const {
    const std::int64_t ns = stream_.FirstFrameNanos();
    if (ns == 0) {
        return std::nullopt;
    }
    return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(ns));
}

void StreamPlayer::StartPlayback() {
    PlayStart start;
    {
        std::lock_guard lock(mutex_);
        start.startMs = positionMs_;
        mode_ = PlayerMode::Playing;
    }
    start.positioned = std::exchange(filePositioned_, false);
    start.tempo = tempo_;
    stream_.Reset();
    if (output_ && output_->Ok()) {
        start.stream = &stream_;
        start.outRate = output_->Rate();
        output_->Attach(&stream_);
    }
    start.finished = [this](NotifyValue value, std::int64_t end_ms) { Finished(value, end_ms); };
    auto playback = StartPlay(std::move(start));
    std::lock_guard lock(mutex_);
    playback_ = std::move(playback);
}

std::int64_t StreamPlayer::JoinPlayback() {
    std::unique_ptr<PlayerPlayback> playback;
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

void StreamPlayer::EndPlayback(PlayerMode mode, NotifyValue value) {
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

void StreamPlayer::Finished(NotifyValue value, std::int64_t end_ms) {
    std::lock_guard lock(mutex_);
    mode_ = PlayerMode::Stopped;
    positionMs_ = end_ms;
    if (notifyPending_) {
        notifyPending_ = false;
        poster_->Post(value);
    }
}

} // namespace lumora
