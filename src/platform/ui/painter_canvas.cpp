#include "painter_canvas.h"

#include "fonts.h"
#include "smooth_pictures.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace lumora {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height, Rect clip)
    : painter_(painter), width_(width), height_(height), clip_(clip) {
    SmoothScaledPictures(painter_);
}

int PainterCanvas::TextWidth(std::string_view text) {
    return QFontMetrics(MakeFont(Font)).horizontalAdvance(ToQString(text));
}

int PainterCanvas::TextHeight(std::string_view) {
    return QFontMetrics(MakeFont(Font)).height();
}

void PainterCanvas::TextOut(int x, int y, std::string_view text) {
    const QFont font = MakeFont(Font);
    const QFontMetrics metrics(font);
    const QString s = ToQString(text);
    if (Brush.style == BrushStyle::Solid) {
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()),
                          ToQColor(Brush.colour));
    }
    painter_.setFont(font);
    painter_.setPen(ToQColor(Font.colour));
    painter_.drawText(x, y + metrics.ascent(), s);
}

void PainterCanvas::FillRect(const Rect& area) {
    if (Brush.style == BrushStyle::Solid) {
        painter_.fillRect(ToQRect(area), ToQColor(Brush.colour));
    }
}

void PainterCanvas::Rectangle(const Rect& area) {
    FillRect(area);
    UsePen();
    painter_.setBrush(Qt::NoBrush);
    // The outline lies inside the area, as the layouts expect.
    painter_.drawRect(area.left, area.top, area.width - 1, area.height - 1);
}

void PainterCanvas::CopyPicture(const Rect& target, const QImage& image, int sourceLeft,
                                int sourceTop) {
    if (target.Empty() || image.isNull()) {
        return;
    }
    painter_.drawImage(ToQRect(target), image,
                       QRect(sourceLeft, sourceTop, target.width, target.height));
}

void PainterCanvas::DrawLine(int x1, int y1, int x2, int y2) {
    UsePen();
    painter_.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::UsePen() {
    QPen pen(ToQColor(Pen.colour));
    pen.setWidth(Pen.width);
    painter_.setPen(pen);
}

} // namespace lumora
