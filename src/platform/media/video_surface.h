#pragma once
// Where a player draws the frames of a film. Both calls may come from the
// player's playback thread.
#include <cstdint>

namespace lumora {

struct SurfaceSize {
    int width = 0;
    int height = 0;
};

class VideoSurface {
  public:
    virtual ~VideoSurface() = default;
    // The size frames are scaled to.
    virtual SurfaceSize Size() const = 0;
    // Shows a frame of 32-bit pixels (0xffRRGGBB), rows packed.
    virtual void Present(const std::uint8_t* pixels, int width, int height) = 0;
};

} // namespace lumora
