#include "media_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <algorithm>

namespace lumora {
namespace {

std::string AvText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

constexpr std::int64_t kMsPerSecond = 1000;

std::int64_t ToMs(std::int64_t value, AVRational time_base) {
    return av_rescale_q(value, time_base, AVRational{1, kMsPerSecond});
}

} // namespace

MediaDecoder::MediaDecoder() : packet_(av_packet_alloc()), frame_(av_frame_alloc()) {
    // Damaged frames are concealed and skipped; the decoder's complaints
    // about them would only clutter the terminal.
    av_log_set_level(AV_LOG_FATAL);
}

MediaDecoder::~MediaDecoder() {
    Close();
    av_packet_free(&packet_);
    av_frame_free(&frame_);
}

std::optional<std::string> MediaDecoder::Open(const std::string& path) {
    Close();
    int result = avformat_open_input(&format_, path.c_str(), nullptr, nullptr);
    if (result >= 0) {
        result = avformat_find_stream_info(format_, nullptr);
    }
    if (result < 0) {
        Close();
        return AvText(result);
    }
    audioStream_ = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    videoStream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    audio_ = OpenCodec(audioStream_);
    video_ = OpenCodec(videoStream_);
    if (audio_ == nullptr && video_ == nullptr) {
        Close();
        return AvText(AVERROR_DECODER_NOT_FOUND);
    }
    startMs_ = format_->start_time == AV_NOPTS_VALUE ? 0 : format_->start_time / kMsPerSecond;
    lengthMs_ = format_->duration == AV_NOPTS_VALUE ? 0 : format_->duration / kMsPerSecond;
    nextAudioMs_ = 0;
    nextVideoMs_ = 0;
    return std::nullopt;
}

AVCodecContext* MediaDecoder::OpenCodec(int stream) {
    if (stream < 0) {
        return nullptr;
    }
    const AVCodecParameters* parameters = format_->streams[stream]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    if (codec == nullptr) {
        return nullptr;
    }
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (avcodec_parameters_to_context(context, parameters) < 0 ||
        avcodec_open2(context, codec, nullptr) < 0) {
        avcodec_free_context(&context);
    }
    return context;
}

void MediaDecoder::Close() {
    avcodec_free_context(&audio_);
    avcodec_free_context(&video_);
    avformat_close_input(&format_);
    audioStream_ = -1;
    videoStream_ = -1;
    lengthMs_ = 0;
}

int MediaDecoder::PictureWidth() const {
    return video_ != nullptr ? video_->width : 0;
}

int MediaDecoder::PictureHeight() const {
    return video_ != nullptr ? video_->height : 0;
}

void MediaDecoder::SeekTo(std::int64_t ms) {
    if (format_ == nullptr) {
        return;
    }
    const std::int64_t target = (std::max<std::int64_t>(ms, 0) + startMs_) * kMsPerSecond;
    avformat_seek_file(format_, -1, INT64_MIN, target, target, 0);
    if (audio_ != nullptr) {
        avcodec_flush_buffers(audio_);
    }
    if (video_ != nullptr) {
        avcodec_flush_buffers(video_);
    }
    nextAudioMs_ = ms;
    nextVideoMs_ = ms;
}

MediaDecoder::Step MediaDecoder::DecodeNext(FrameSink& sink, std::string& error) {
    const int result = av_read_frame(format_, packet_);
    if (result == AVERROR_EOF) {
        Drain(sink);
        return Step::End;
    }
    if (result < 0) {
        error = AvText(result);
        return Step::Error;
    }
    AVCodecContext* codec = nullptr;
    if (packet_->stream_index == audioStream_) {
        codec = audio_;
    } else if (packet_->stream_index == videoStream_ && decodeVideo_) {
        codec = video_;
    }
    // A damaged packet is skipped, as players do, rather than ending the play.
    if (codec != nullptr && avcodec_send_packet(codec, packet_) >= 0) {
        Receive(codec, packet_->stream_index, sink);
    }
    av_packet_unref(packet_);
    return Step::Decoded;
}

void MediaDecoder::Drain(FrameSink& sink) {
    if (audio_ != nullptr && avcodec_send_packet(audio_, nullptr) >= 0) {
        Receive(audio_, audioStream_, sink);
    }
    if (video_ != nullptr && decodeVideo_ && avcodec_send_packet(video_, nullptr) >= 0) {
        Receive(video_, videoStream_, sink);
    }
}

void MediaDecoder::Receive(AVCodecContext* codec, int stream, FrameSink& sink) {
    while (avcodec_receive_frame(codec, frame_) >= 0) {
        const std::int64_t ms = FrameMs(*frame_, stream);
        if (codec == audio_) {
            sink.OnAudioFrame(*frame_, ms);
        } else {
            sink.OnVideoFrame(*frame_, ms);
        }
        av_frame_unref(frame_);
    }
}

std::int64_t MediaDecoder::FrameMs(const AVFrame& frame, int stream) {
    const AVStream* s = format_->streams[stream];
    const bool audio = stream == audioStream_;
    std::int64_t& next = audio ? nextAudioMs_ : nextVideoMs_;
    std::int64_t ms = next;
    if (frame.best_effort_timestamp != AV_NOPTS_VALUE) {
        ms = ToMs(frame.best_effort_timestamp, s->time_base) - startMs_;
    }
    if (audio && frame.sample_rate > 0) {
        next = ms + frame.nb_samples * kMsPerSecond / frame.sample_rate;
    } else if (frame.pkt_duration > 0) {
        next = ms + ToMs(frame.pkt_duration, s->time_base);
    } else {
        next = ms +
               ToMs(1, av_inv_q(s->avg_frame_rate.num > 0 ? s->avg_frame_rate : AVRational{25, 1}));
    }
    return ms;
}

} // namespace lumora
