#pragma once
// The instruction painter: a course text with the marks <B> </B> <I> </I>
// and <BR>, painted word by word from the top-left corner of a paint box and
// wrapped at the box's width.
#include "platform/ui/canvas.h"

#include <string>
#include <string_view>

namespace lumora {

// Line step of the instruction painter, in pixels.
inline constexpr int kMarkupLineStep = 18;

// Paints the text in "Arial" 10 with a clear brush; the colour and the style
// the paint starts from are those of the canvas's font.
void PaintMarkup(Canvas& canvas, std::string_view text);

// Switches bold or italic for exactly "<B>", "</B>", "<I>" or "</I>"; any
// other word changes nothing.
void ApplyStyleMark(Canvas& canvas, std::string_view word);

// The text up to its first space, or the whole text when it has none.
std::string_view NextWord(std::string_view text);

// The text with the letters a to z in upper case.
std::string AsciiUpper(std::string_view text);

} // namespace lumora
