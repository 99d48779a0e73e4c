#include "image_file.h"

#include "platform/text_file.h"

#include <QImageReader>

namespace lumora {

LoadedImage LoadImageFile(const std::string& path) {
    if (!FileExists(path)) {
        return {QImage(), "Cannot open file \"" + path + "\"."};
    }
    QImageReader reader(QString::fromStdString(path));
    QImage image = reader.read();
    if (image.isNull()) {
        return {QImage(), "Picture \"" + path + "\" is not a valid image: " +
                              reader.errorString().toStdString() + "."};
    }
    return {image, {}};
}

Rgb LowerLeftColour(const QImage& image) {
    if (image.isNull()) {
        return kBlack;
    }
    const QColor c = image.pixelColor(0, image.height() - 1);
    return {c.red(), c.green(), c.blue()};
}

QImage WithTransparentColour(const QImage& image, Rgb colour) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(colour.r, colour.g, colour.b);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00ffffffu) == (key & 0x00ffffffu)) {
                line[x] = 0;
            }
        }
    }
    return out;
}

} // namespace lumora
