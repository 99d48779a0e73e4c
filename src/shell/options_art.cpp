#include "options_art.h"

#include <QLinearGradient>
#include <QPainter>

namespace lumora {
namespace {

constexpr int kBoxSize = 21;
const QColor kTransparentKey(255, 0, 255);

QImage Box(bool ticked) {
    QImage image(kBoxSize, kBoxSize, QImage::Format_RGB32);
    image.fill(kTransparentKey);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(40, 60, 110), 2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(2, 2, kBoxSize - 5, kBoxSize - 5));
    if (ticked) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(20, 130, 40), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawPolyline(QPolygon({{5, 10}, {9, 15}, {16, 5}}));
    }
    return image;
}

} // namespace

QImage OptionsBackgroundArt() {
    QImage image(208, 208, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 0, 208);
    shade.setColorAt(0, QColor(214, 224, 242));
    shade.setColorAt(1, QColor(160, 180, 220));
    painter.fillRect(image.rect(), shade);
    painter.setPen(QPen(QColor(40, 60, 110), 3));
    painter.drawRect(QRect(1, 1, 205, 205));
    painter.drawLine(12, 30, 196, 30);
    return image;
}

QImage TickedBoxArt() {
    return Box(true);
}

QImage EmptyBoxArt() {
    return Box(false);
}

} // namespace lumora
