#pragma once
// Scales a decoded video frame to the display surface's size as 32-bit RGB.
#include <cstdint>
#include <vector>

struct AVFrame;
struct SwsContext;

namespace lumora {

class FrameScaler {
  public:
    FrameScaler() = default;
    ~FrameScaler();
    FrameScaler(const FrameScaler&) = delete;
    FrameScaler& operator=(const FrameScaler&) = delete;

    // Scales into pixels (width x height, 4 bytes per pixel, rows packed);
    // false when the frame cannot be scaled.
    bool Scale(const AVFrame& frame, int width, int height, std::vector<std::uint8_t>& pixels);

  private:
    SwsContext* sws_ = nullptr;
};

} // namespace lumora
