#include "sample_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace lumora::shots {
namespace {

bool Save(const QImage& image, const std::string& path) {
    const QString file = QString::fromStdString(path);
    QDir().mkpath(QFileInfo(file).absolutePath());
    return image.save(file, "BMP");
}

QFont SansFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void DrawCloseMark(QPainter& painter, QRect mark, QColor colour) {
    painter.setPen(QPen(colour, 3));
    const QRect r = mark.adjusted(5, 7, -5, -7);
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomLeft());
}

} // namespace

bool WriteSampleBackground(const std::string& path, int width, int height, bool light,
                           const std::string& title, QRect closeMark) {
    const QColor top = light ? QColor(250, 248, 236) : QColor(34, 62, 122);
    const QColor bottom = light ? QColor(222, 230, 244) : QColor(12, 24, 58);
    const QColor ink = light ? QColor(30, 50, 110) : QColor(250, 220, 120);
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, top);
    shade.setColorAt(1, bottom);
    painter.fillRect(image.rect(), shade);
    painter.setPen(QPen(QColor(120, 150, 210), 2));
    painter.drawRect(QRect(1, 1, width - 3, height - 3));
    painter.setFont(SansFont(14, true));
    painter.setPen(ink);
    painter.drawText(QRect(10, 6, width - 60, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(title));
    if (!closeMark.isEmpty()) {
        DrawCloseMark(painter, closeMark, ink);
    }
    painter.end();
    return Save(image, path);
}

bool WriteSampleStrip(const std::string& path, const std::string& glyph) {
    QImage image(66, 33, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    const QColor faces[] = {QColor(52, 84, 150), QColor(96, 140, 220)};
    for (int frame = 0; frame < 2; ++frame) {
        const QRectF key(frame * 33 + 2.5, 2.5, 28, 28);
        painter.setPen(QPen(QColor(16, 32, 72), 2));
        painter.setBrush(faces[frame]);
        painter.drawRoundedRect(key, 7, 7);
        painter.setFont(SansFont(12, true));
        painter.setPen(Qt::white);
        painter.drawText(key, Qt::AlignCenter, QString::fromStdString(glyph));
    }
    painter.end();
    return Save(image, path);
}

} // namespace lumora::shots
