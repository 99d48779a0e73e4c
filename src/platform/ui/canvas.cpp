#include "canvas.h"

#include <QImage>

namespace lumora {

int FontSpec::PixelSize() const {
    if (pixels != 0) {
        return pixels;
    }
    // Rounded half away from zero, as the 96-dpi layouts were measured.
    const int scaled = size * 96;
    return scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
}

void Canvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Canvas::LineTo(int x, int y) {
    DrawLine(penX_, penY_, x, y);
    MoveTo(x, y);
}

void Canvas::DrawPicture(int x, int y, const QImage& image) {
    CopyPicture({x, y, image.width(), image.height()}, image, 0, 0);
}

} // namespace lumora
