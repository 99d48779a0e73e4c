#pragma once
// Writing pictures in the forms the course uses, each only when its recipe
// has changed since the last run.
#include "course/course_file_names.h"
#include "output.h"

#include <QImage>
#include <QString>
#include <functional>

namespace coursegen {

enum class PictureForm {
    Bmp24, // exact colours: button strips (their transparent colour), small art
    Bmp8,  // large screens: 256 colours chosen for the picture
    Png8,  // illustrations: 256 chosen colours, compressed
};

// A course file name as the program writes it ("gfx\\main.bmp"), with the
// '/' of the output folder.
inline QString CourseName(const char* windowsName) {
    return QString::fromUtf8(windowsName).replace('\\', '/');
}

// Renders and writes the picture unless the same recipe made it before.
void MakePicture(Output& out, const QString& relative, PictureForm form, const QByteArray& recipe,
                 const std::function<QImage()>& render);

// The encoded bytes of a picture in a form (exposed for the film's still).
QByteArray EncodePicture(const QImage& image, PictureForm form);

} // namespace coursegen
