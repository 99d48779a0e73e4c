#include "picture_files.h"

#include "palette.h"

#include <QBuffer>
#include <stdexcept>

namespace coursegen {

QByteArray EncodePicture(const QImage& image, PictureForm form) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool ok = false;
    switch (form) {
    case PictureForm::Bmp24:
        ok = image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
        break;
    case PictureForm::Bmp8:
        ok = ToIndexed(image).save(&buffer, "BMP");
        break;
    case PictureForm::Png8:
        ok = ToIndexed(image).save(&buffer, "PNG", 0);
        break;
    }
    if (!ok) {
        throw std::runtime_error("cannot encode a picture");
    }
    return bytes;
}

void MakePicture(Output& out, const QString& relative, PictureForm form, const QByteArray& recipe,
                 const std::function<QImage()>& render) {
    const QByteArray full = "picture " + QByteArray::number(int(form)) + "\n" + recipe;
    if (out.UpToDate(relative, full)) {
        return;
    }
    out.WriteBytes(relative, EncodePicture(render(), form), full);
}

} // namespace coursegen
