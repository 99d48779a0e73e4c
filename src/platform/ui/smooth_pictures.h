#pragma once
// Pictures on a scene drawn larger than the course's pixels are scaled
// smoothly instead of pixel-doubled (or unevenly repeated at 1.5 or 1.75).
// At the course's own size nothing changes, so pictures keep their pixels.
#include <QPaintDevice>
#include <QPainter>

namespace lumora {

inline void SmoothScaledPictures(QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device != nullptr && device->devicePixelRatioF() != 1) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
}

} // namespace lumora
