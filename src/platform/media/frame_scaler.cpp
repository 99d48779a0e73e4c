#include "frame_scaler.h"

extern "C" {
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace lumora {

FrameScaler::~FrameScaler() {
    sws_freeContext(sws_);
}

bool FrameScaler::Scale(const AVFrame& frame, int width, int height,
                        std::vector<std::uint8_t>& pixels) {
    if (width <= 0 || height <= 0 || frame.width <= 0 || frame.height <= 0) {
        return false;
    }
    // AV_PIX_FMT_RGB32 is 0xAARRGGBB in native order, the layout of
    // QImage::Format_RGB32.
    sws_ = sws_getCachedContext(sws_, frame.width, frame.height,
                                static_cast<AVPixelFormat>(frame.format), width, height,
                                AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (sws_ == nullptr) {
        return false;
    }
    pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    std::uint8_t* planes[4] = {pixels.data(), nullptr, nullptr, nullptr};
    int strides[4] = {width * 4, 0, 0, 0};
    sws_scale(sws_, frame.data, frame.linesize, 0, frame.height, planes, strides);
    return true;
}

} // namespace lumora
