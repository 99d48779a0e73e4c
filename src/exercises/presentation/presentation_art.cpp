#include "presentation_art.h"

#include <QFont>
#include <QPainter>

namespace lumora {

QImage QuestionMarkArt() {
    constexpr int kSize = 24;
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 60, 140), 2));
    painter.setBrush(QColor(255, 214, 64));
    painter.drawEllipse(1, 1, kSize - 2, kSize - 2);
    QFont font("Arial");
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, "?");
    return image;
}

} // namespace lumora
