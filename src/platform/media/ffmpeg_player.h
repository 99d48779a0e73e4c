#pragma once
// The film module's player: FFmpeg decodes files of any kind, films among
// them, whose frames it draws on the display surface.
#include <cstdint>
#include <mutex>
#include <vector>

#include "frame_scaler.h"
#include "media_decoder.h"
#include "stream_player.h"
#include "video_surface.h"

namespace lumora {

class FfmpegPlayer final : public StreamPlayer {
  public:
    FfmpegPlayer() = default;
    ~FfmpegPlayer() override;

    void SetDisplay(VideoSurface* surface) override;
    SurfaceSize PictureSize() const override;

  protected:
    std::optional<std::string> OpenFile(const std::string& path, std::int64_t& length_ms) override;
    void CloseFile() override { decoder_.Close(); }
    std::unique_ptr<PlayerPlayback> StartPlay(PlayStart start) override;

  private:
    void Present(const AVFrame& frame);

    MediaDecoder decoder_;
    std::mutex surfaceMutex_;
    VideoSurface* surface_ = nullptr;
    FrameScaler scaler_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace lumora
