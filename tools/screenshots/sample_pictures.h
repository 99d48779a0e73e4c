#pragma once
// Stand-in pictures for a course that has not got its own yet: screen
// backgrounds with their close mark drawn where the screen's close area is,
// and two-frame button strips.
#include <QRect>

#include <string>

namespace lumora::shots {

// A background of the given size, dark (for white text) or light (for black
// text), with a title, and a close mark in closeMark (an empty rectangle
// draws none). Saved as BMP.
bool WriteSampleBackground(const std::string& path, int width, int height, bool light,
                           const std::string& title, QRect closeMark);

// A 66 x 33 strip of two frames (at rest, highlighted) showing a short glyph,
// on magenta, the transparent colour. Saved as BMP.
bool WriteSampleStrip(const std::string& path, const std::string& glyph);

} // namespace lumora::shots
