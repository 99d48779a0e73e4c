#include "ffmpeg_player.h"

#include "playback.h"

namespace lumora {

FfmpegPlayer::~FfmpegPlayer() {
    Close();
}

std::optional<std::string> FfmpegPlayer::OpenFile(const std::string& path,
                                                  std::int64_t& length_ms) {
    if (auto error = decoder_.Open(path)) {
        return error;
    }
    length_ms = decoder_.LengthMs();
    return std::nullopt;
}

std::unique_ptr<PlayerPlayback> FfmpegPlayer::StartPlay(PlayStart start) {
    if (!start.positioned) {
        decoder_.SeekTo(start.startMs);
    }
    Playback::Target target;
    target.decoder = &decoder_;
    target.stream = start.stream;
    target.out_rate = start.outRate;
    // A slowed film keeps its pictures with its sound: they are shown when
    // the play's clock, which runs at the tempo, reaches them.
    target.tempo = start.tempo;
    if (decoder_.HasVideo()) {
        target.present = [this](const AVFrame& frame) { Present(frame); };
    }
    target.finished = std::move(start.finished);
    return std::make_unique<Playback>(std::move(target), start.startMs, Length());
}

void FfmpegPlayer::SetDisplay(VideoSurface* surface) {
    std::lock_guard lock(surfaceMutex_);
    surface_ = surface;
}

SurfaceSize FfmpegPlayer::PictureSize() const {
    return {decoder_.PictureWidth(), decoder_.PictureHeight()};
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
