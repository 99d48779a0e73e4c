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

std::string Canvas::ElidedText(std::string_view text, int width) {
    if (TextWidth(text) <= width) {
        return std::string(text);
    }
    static constexpr std::string_view kEllipsis = "…";
    std::string kept(text);
    while (!kept.empty()) {
        // Drop one UTF-8 character: its continuation bytes, then its lead.
        while (!kept.empty() && (static_cast<unsigned char>(kept.back()) & 0xC0) == 0x80) {
            kept.pop_back();
        }
        if (!kept.empty()) {
            kept.pop_back();
        }
        if (TextWidth(kept + std::string(kEllipsis)) <= width) {
            break;
        }
    }
    return kept + std::string(kEllipsis);
}

void Canvas::DrawPicture(int x, int y, const QImage& image) {
    CopyPicture({x, y, image.width(), image.height()}, image, 0, 0);
}

} // namespace lumora
