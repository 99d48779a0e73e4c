#include "recording_canvas.h"

#include "platform/cp1250.h"

#include <QImage>

namespace lumora {

RecordingCanvas::RecordingCanvas(int width, int height, int charWidth, int lineHeight)
    : width_(width), height_(height), charWidth_(charWidth),
      lineHeight_(lineHeight), clip_{0, 0, width, height} {}

int RecordingCanvas::TextWidth(std::string_view text) {
    return static_cast<int>(Utf8Length(text)) * charWidth_;
}

int RecordingCanvas::TextHeight(std::string_view) {
    return lineHeight_;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    Texts.push_back({x, y, std::string(text), Font});
}

void RecordingCanvas::FillRect(const Rect& area) {
    if (Brush.style == BrushStyle::Solid) {
        Fills.push_back({area, Brush});
    }
}

void RecordingCanvas::Rectangle(const Rect& area) {
    FillRect(area);
    MoveTo(area.left, area.top);
    LineTo(area.Right() - 1, area.top);
    LineTo(area.Right() - 1, area.Bottom() - 1);
    LineTo(area.left, area.Bottom() - 1);
    LineTo(area.left, area.top);
}

void RecordingCanvas::CopyPicture(const Rect& target, const QImage& image, int sourceLeft,
                                  int sourceTop) {
    Pictures.push_back(
        {target, sourceLeft, sourceTop, image.width(), image.height(), image.cacheKey()});
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    Lines.push_back({x1, y1, x2, y2, Pen});
}

} // namespace lumora
