#pragma once
// Loading the course's pictures (BMP and the other formats Qt decodes) and
// the transparent colour of the screens' bitmaps.
#include "canvas.h"

#include <QImage>
#include <string>

namespace lumora {

struct LoadedImage {
    QImage image;      // null when loading failed
    std::string error; // the loader's message naming the file, when it failed
};

// Decodes a picture file; a null image when it does not decode. A file whose
// name ends in a format Qt decodes itself (.bmp, .png …) is read without
// asking the image plugins, which would each be loaded to look at it; only
// when that fails are the plugins tried.
QImage ReadImage(const std::string& path, QString* error = nullptr);

// The picture's size from its header, without decoding the pixels; an invalid
// size when the file cannot be read as a picture.
QSize ReadImageSize(const std::string& path);

// Reads a picture file. A missing file and a file that does not decode give
// different messages, both with the path.
LoadedImage LoadImageFile(const std::string& path);

// The colour of the lower-left pixel, which the bitmaps use as transparent.
Rgb LowerLeftColour(const QImage& image);

// A copy with every pixel of the given colour made fully transparent.
QImage WithTransparentColour(const QImage& image, Rgb colour);

} // namespace lumora
