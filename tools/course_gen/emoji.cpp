#include "emoji.h"

#include <QFont>
#include <stdexcept>

namespace coursegen {

namespace {

// The size at which the font holds its bitmaps; other sizes are scaled
// copies, so the glyph is taken at this one and scaled once, smoothly.
constexpr int kNativeSize = 109;
constexpr int kCanvas = 180;

QImage Rasterise(const QString& emoji) {
    QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    QFont f("Noto Color Emoji");
    f.setPixelSize(kNativeSize);
    p.setFont(f);
    p.drawText(QRect(0, 0, kCanvas, kCanvas), Qt::AlignCenter, emoji);
    p.end();
    int left = kCanvas, top = kCanvas, right = -1, bottom = -1;
    for (int y = 0; y < kCanvas; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < kCanvas; ++x) {
            if (qAlpha(row[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        throw std::runtime_error("the emoji font draws nothing for " + emoji.toStdString());
    }
    return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

} // namespace

const QImage& Emoji::Glyph(const QString& emoji) {
    static QHash<QString, QImage> cache;
    auto it = cache.find(emoji);
    if (it == cache.end()) {
        it = cache.insert(emoji, Rasterise(emoji));
    }
    return *it;
}

double Emoji::WidthFor(const QString& emoji, double height) {
    const QImage& g = Glyph(emoji);
    return height * g.width() / g.height();
}

void Emoji::Draw(QPainter& p, const QString& emoji, const QRectF& box, bool mirror) {
    const QImage& g = Glyph(emoji);
    const double scale = std::min(box.width() / g.width(), box.height() / g.height());
    const QSize size(std::max(1, qRound(g.width() * scale)),
                     std::max(1, qRound(g.height() * scale)));
    QImage scaled = g.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (mirror) {
        scaled = scaled.mirrored(true, false);
    }
    const QPoint topLeft(qRound(box.center().x() - size.width() / 2.0),
                         qRound(box.center().y() - size.height() / 2.0));
    p.drawImage(topLeft, scaled);
}

} // namespace coursegen
