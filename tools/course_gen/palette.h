#pragma once
// Reduces a picture to 256 colours with a palette chosen for that picture
// (median cut), so large backgrounds fit in 8-bit files without the grain of
// a fixed palette. Flat artwork keeps its colours exactly.
#include <QImage>

namespace coursegen {

// An Indexed8 copy of the image. When it has at most 256 colours they are
// kept exactly; otherwise each pixel takes the nearest of 256 chosen ones.
QImage ToIndexed(const QImage& image);

} // namespace coursegen
