#include "audio_converter.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>

#include "audio_output.h"

namespace lumora {

AudioConverter::AudioConverter(int out_rate) : outRate_(out_rate) {}

AudioConverter::~AudioConverter() {
    swr_free(&swr_);
}

void AudioConverter::Reset() {
    swr_free(&swr_);
    inFormat_ = -1;
}

bool AudioConverter::Configure(const AVFrame& frame) {
    if (swr_ != nullptr && frame.sample_rate == inRate_ && frame.format == inFormat_ &&
        frame.ch_layout.nb_channels == inChannels_) {
        return true;
    }
    swr_free(&swr_);
    AVChannelLayout in_layout{};
    if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
        av_channel_layout_default(&in_layout, frame.ch_layout.nb_channels);
    } else {
        av_channel_layout_copy(&in_layout, &frame.ch_layout);
    }
    AVChannelLayout out_layout{};
    av_channel_layout_default(&out_layout, AudioOutput::kChannels);
    const int result = swr_alloc_set_opts2(&swr_, &out_layout, AV_SAMPLE_FMT_FLT, outRate_,
                                           &in_layout, static_cast<AVSampleFormat>(frame.format),
                                           frame.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in_layout);
    av_channel_layout_uninit(&out_layout);
    if (result < 0 || swr_init(swr_) < 0) {
        swr_free(&swr_);
        return false;
    }
    inRate_ = frame.sample_rate;
    inFormat_ = frame.format;
    inChannels_ = frame.ch_layout.nb_channels;
    return true;
}

bool AudioConverter::Convert(const AVFrame& frame, std::vector<float>& out) {
    if (!Configure(frame)) {
        return false;
    }
    Run(const_cast<const unsigned char**>(frame.extended_data), frame.nb_samples, out);
    return true;
}

void AudioConverter::Flush(std::vector<float>& out) {
    if (swr_ != nullptr) {
        Run(nullptr, 0, out);
    }
}

void AudioConverter::Run(const unsigned char** input, int in_count, std::vector<float>& out) {
    const int room = swr_get_out_samples(swr_, in_count);
    if (room <= 0) {
        return;
    }
    const std::size_t old_size = out.size();
    out.resize(old_size + static_cast<std::size_t>(room) * AudioOutput::kChannels);
    unsigned char* target = reinterpret_cast<unsigned char*>(out.data() + old_size);
    const int produced = swr_convert(swr_, &target, room, input, in_count);
    out.resize(old_size + static_cast<std::size_t>(std::max(produced, 0)) * AudioOutput::kChannels);
}

} // namespace lumora
