#pragma once
// The media player inside the media backend: FFmpeg decodes, SDL2 sounds, and
// the end of every play is posted to the thread that created the player as an
// event. All calls come from that thread.
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "audio_stream.h"
#include "frame_scaler.h"
#include "media_backend.h"
#include "media_decoder.h"
#include "video_surface.h"

namespace lumora {

class AudioOutput;
class NotifyPoster;
class Playback;

class FfmpegPlayer final : public BackendPlayer {
  public:
    FfmpegPlayer();
    ~FfmpegPlayer() override;

    const std::string& FileName() const override { return fileName_; }
    void SetFileName(const std::string& path) override { fileName_ = path; }
    bool Open() override;
    void Close() override;
    std::string ErrorText() const override { return error_; }

    void Play() override;
    void Pause() override;
    void Stop() override;
    void Seek(std::int64_t ms) override;
    void SetWait(bool wait) override { wait_ = wait; }

    PlayerMode Mode() const override;
    std::int64_t Position() const override;
    std::int64_t Length() const override { return decoder_.LengthMs(); }

    void SetDisplay(VideoSurface* surface) override;
    void SetNotifyHandler(NotifyHandler handler) override;

    SurfaceSize PictureSize() const override;
    std::optional<std::chrono::steady_clock::time_point> FirstSoundTime() const override;

  private:
    void StartPlayback();
    // Stops the playback thread and returns its clock.
    std::int64_t JoinPlayback();
    // Ends the running play; a pending notification becomes value.
    void EndPlayback(PlayerMode mode, NotifyValue value);
    void Finished(NotifyValue value, std::int64_t end_ms);
    void Present(const AVFrame& frame);

    std::string fileName_;
    std::string error_;
    MediaDecoder decoder_;
    std::shared_ptr<AudioOutput> output_;
    AudioStream stream_;
    std::unique_ptr<NotifyPoster> poster_;
    std::unique_ptr<Playback> playback_;
    bool wait_ = false;
    bool decoderAtPosition_ = false;

    // Shared with the playback thread.
    mutable std::mutex mutex_;
    PlayerMode mode_ = PlayerMode::NotReady;
    std::int64_t positionMs_ = 0;
    bool notifyPending_ = false;

    std::mutex surfaceMutex_;
    VideoSurface* surface_ = nullptr;
    FrameScaler scaler_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace lumora
