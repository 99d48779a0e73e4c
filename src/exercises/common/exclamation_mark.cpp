#include "exclamation_mark.h"

#include "platform/ui/control.h"

#include <QPainter>

#include <algorithm>

namespace lumora {

namespace {

QImage BlankArt(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage ExclamationArt() {
    QImage image(kExclamationSize, kExclamationSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 20, 20), 1));
    p.setBrush(QColor(230, 40, 30));
    p.drawEllipse(QRectF(0.5, 0.5, kExclamationSize - 1, kExclamationSize - 1));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7.5, 3, 3, 8), 1.5, 1.5);
    p.drawEllipse(QRectF(7.5, 12.5, 3, 3));
    return image;
}

QImage ExclamationBarArt(int width, int height) {
    QImage image = BlankArt(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    const double middle = width / 2.0;
    const double bar = std::max(2.0, width / 4.0);
    painter.drawRoundedRect(QRectF(middle - bar / 2, 1, bar, height * 0.62), bar / 2, bar / 2);
    painter.drawEllipse(QPointF(middle, height - bar / 2 - 1), bar / 2 + 0.5, bar / 2 + 0.5);
    return image;
}

ExclamationMark::ExclamationMark(QWidget* parent) : Picture(parent) {
    SetImage(ExclamationArt());
    resize(kExclamationSize, kExclamationSize);
    hide();
}

void ExclamationMark::ShowAt(int x, int y, const std::string& hint) {
    move(x, y);
    SetHint(*this, hint);
    show();
    raise();
}

} // namespace lumora
