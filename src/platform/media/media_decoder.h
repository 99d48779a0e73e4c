#pragma once
// Reading a WAV or MPG file with FFmpeg: the first audio and video streams,
// their decoded frames with times in milliseconds from the start of the file,
// seeking, and the length.
#include <cstdint>
#include <optional>
#include <string>

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;

namespace lumora {

class FrameSink {
  public:
    virtual ~FrameSink() = default;
    virtual void OnAudioFrame(const AVFrame& frame, std::int64_t pts_ms) = 0;
    virtual void OnVideoFrame(const AVFrame& frame, std::int64_t pts_ms) = 0;
};

class MediaDecoder {
  public:
    enum class Step { Decoded, End, Error };

    MediaDecoder();
    ~MediaDecoder();
    MediaDecoder(const MediaDecoder&) = delete;
    MediaDecoder& operator=(const MediaDecoder&) = delete;

    // Opens the file, closing what was open; on failure the decoder's text.
    std::optional<std::string> Open(const std::string& path);
    void Close();
    bool IsOpen() const { return format_ != nullptr; }

    std::int64_t LengthMs() const { return lengthMs_; }
    bool HasAudio() const { return audio_ != nullptr; }
    bool HasVideo() const { return video_ != nullptr; }
    // The film's picture size, 0 x 0 without one.
    int PictureWidth() const;
    int PictureHeight() const;

    // Video packets are skipped while nobody looks at the picture.
    void SetDecodeVideo(bool on) { decodeVideo_ = on; }

    // Positions the file at or before ms and forgets buffered frames.
    void SeekTo(std::int64_t ms);

    // Reads one packet and hands its decoded frames to the sink. At the end
    // of the file the decoders are drained first. Error leaves the text in
    // error.
    Step DecodeNext(FrameSink& sink, std::string& error);

  private:
    void Drain(FrameSink& sink);
    void Receive(AVCodecContext* codec, int stream, FrameSink& sink);
    std::int64_t FrameMs(const AVFrame& frame, int stream);
    AVCodecContext* OpenCodec(int stream);

    AVFormatContext* format_ = nullptr;
    AVCodecContext* audio_ = nullptr;
    AVCodecContext* video_ = nullptr;
    int audioStream_ = -1;
    int videoStream_ = -1;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    std::int64_t lengthMs_ = 0;
    std::int64_t startMs_ = 0;
    std::int64_t nextAudioMs_ = 0;
    std::int64_t nextVideoMs_ = 0;
    bool decodeVideo_ = true;
};

} // namespace lumora
