#include "help_art.h"

#include "image_list.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace lumora {
namespace {

const QColor kKeyFace(58, 94, 160);
const QColor kKeyEdge(24, 44, 88);
const QColor kGlyph(255, 255, 255);

// A rounded key on a transparent ground, the glyph painted by the caller.
QImage KeyImage(int width, int height, QPainter& painter) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kKeyEdge, 2));
    painter.setBrush(kKeyFace);
    painter.drawRoundedRect(QRectF(12.5, 1.5, height - 3, height - 3), 8, 8);
    return image;
}

} // namespace

QImage InlineButtonIcon(const TMyImageList& list, int index, const QImage& fallback) {
    const TMyBitmap* strip = list.Entry(index);
    if (strip == nullptr || strip->Bitmap.isNull()) {
        return fallback;
    }
    const QImage button = strip->Bitmap.copy(0, 0, strip->FrameWidth, strip->Bitmap.height());
    QImage icon(kHelpIconWidth, kHelpIconHeight, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.drawImage((kHelpIconWidth - button.width()) / 2,
                      (kHelpIconHeight - button.height()) / 2, button);
    return icon;
}

QImage HelpIconArt() {
    QPainter painter;
    QImage image = KeyImage(kHelpIconWidth, kHelpIconHeight, painter);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kGlyph);
    painter.drawText(QRect(12, 1, kHelpIconHeight - 2, kHelpIconHeight - 2), Qt::AlignCenter,
                     QStringLiteral("?"));
    painter.end();
    return image;
}

QImage SpeakerIconArt() {
    QPainter painter;
    QImage image = KeyImage(kHelpIconWidth, kHelpIconHeight, painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlyph);
    painter.drawPolygon(QPolygon({{19, 13}, {24, 13}, {30, 8}, {30, 26}, {24, 21}, {19, 21}}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGlyph, 2));
    painter.drawArc(QRect(28, 11, 8, 12), -60 * 16, 120 * 16);
    painter.drawArc(QRect(28, 7, 12, 20), -60 * 16, 120 * 16);
    painter.end();
    return image;
}

QImage ScrollArrowArt(bool up) {
    QImage image(kScrollArrowSize, kScrollArrowSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kKeyEdge, 2));
    painter.setBrush(kKeyFace);
    const int s = kScrollArrowSize;
    if (up) {
        painter.drawPolygon(QPolygon({{s / 2, 4}, {s - 4, s - 6}, {4, s - 6}}));
    } else {
        painter.drawPolygon(QPolygon({{4, 6}, {s - 4, 6}, {s / 2, s - 4}}));
    }
    return image;
}

} // namespace lumora
