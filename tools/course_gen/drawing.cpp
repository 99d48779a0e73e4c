#include "drawing.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace coursegen {

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void RoundedPanel(QPainter& p, const QRectF& r, double radius, const QColor& fill,
                  const QColor& border, double borderWidth) {
    p.save();
    p.setBrush(fill);
    p.setPen(borderWidth > 0 ? QPen(border, borderWidth) : QPen(Qt::NoPen));
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void SoftShadow(QPainter& p, const QRectF& r, double radius, int strength) {
    p.save();
    p.setPen(Qt::NoPen);
    // Stacked translucent outlines make a blur without an image filter.
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, strength / (i + 2)));
        p.drawRoundedRect(r.translated(3, 4).adjusted(-i, -i, i, i), radius + i, radius + i);
    }
    p.restore();
}

void VerticalGradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void OutlinedText(QPainter& p, const QRectF& box, int flags, const QString& text,
                  const QColor& fill, const QColor& outline) {
    p.save();
    p.setPen(outline);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) {
                p.drawText(box.translated(dx, dy), flags, text);
            }
        }
    }
    p.setPen(fill);
    p.drawText(box, flags, text);
    p.restore();
}

void CloseMark(QPainter& p, const QRectF& clickArea) {
    p.save();
    Smooth(p);
    const double d = std::min(clickArea.width(), clickArea.height()) - 4;
    const QRectF circle(clickArea.center().x() - d / 2, clickArea.center().y() - d / 2, d, d);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(QColor(205, 54, 54));
    p.drawEllipse(circle);
    p.setPen(QPen(QColor(255, 255, 255), 2.6, Qt::SolidLine, Qt::RoundCap));
    const double k = d * 0.22;
    p.drawLine(circle.center() + QPointF(-k, -k), circle.center() + QPointF(k, k));
    p.drawLine(circle.center() + QPointF(-k, k), circle.center() + QPointF(k, -k));
    p.restore();
}

QImage Blank(int width, int height, const QColor& fill) {
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

} // namespace coursegen
