#include "image_file.h"

#include "platform/text_file.h"

#include <QFileInfo>
#include <QImageReader>

namespace lumora {
namespace {

// The formats Qt decodes without a plugin.
bool BuiltIn(const QString& suffix) {
    static const QStringList kBuiltIn = {"bmp", "png", "ppm", "pgm", "pbm", "xbm", "xpm"};
    return kBuiltIn.contains(suffix);
}

} // namespace

namespace {

// Runs `use` on a reader for the file: first one told the format by the name's
// suffix, when Qt decodes it itself (only a named format with detection off
// keeps the reader from loading every plugin to ask it about the file), then,
// when that gives nothing, one that detects the format.
template <typename Result, typename Use>
Result WithReader(const std::string& path, Use use, QString* error) {
    const QString name = QString::fromStdString(path);
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (BuiltIn(suffix)) {
        QImageReader reader(name, suffix.toLatin1());
        reader.setAutoDetectImageFormat(false);
        Result result = use(reader);
        if (!result.isNull()) {
            return result;
        }
    }
    QImageReader reader(name);
    Result result = use(reader);
    if (result.isNull() && error != nullptr) {
        *error = reader.errorString();
    }
    return result;
}

} // namespace

QImage ReadImage(const std::string& path, QString* error) {
    return WithReader<QImage>(
        path, [](QImageReader& reader) { return reader.read(); }, error);
}

QSize ReadImageSize(const std::string& path) {
    return WithReader<QSize>(
        path, [](QImageReader& reader) { return reader.size(); }, nullptr);
}

LoadedImage LoadImageFile(const std::string& path) {
    if (!FileExists(path)) {
        return {QImage(), "Cannot open file \"" + path + "\"."};
    }
    QString error;
    QImage image = ReadImage(path, &error);
    if (image.isNull()) {
        return {QImage(),
                "Picture \"" + path + "\" is not a valid image: " + error.toStdString() + "."};
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
