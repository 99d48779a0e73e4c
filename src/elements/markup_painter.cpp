#include "markup_painter.h"

#include <algorithm>

namespace lumora {

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string_view NextWord(std::string_view text) {
    return text.substr(0, text.find(' '));
}

void ApplyStyleMark(Canvas& canvas, std::string_view word) {
    if (word == "<B>") {
        canvas.Font.bold = true;
    } else if (word == "</B>") {
        canvas.Font.bold = false;
    } else if (word == "<I>") {
        canvas.Font.italic = true;
    } else if (word == "</I>") {
        canvas.Font.italic = false;
    }
}

void PaintMarkup(Canvas& canvas, std::string_view text) {
    canvas.Font.face = "Arial";
    canvas.Font.size = 10;
    canvas.Font.pixels = 0;
    canvas.Brush.style = BrushStyle::Clear;
    int x = 0;
    int y = 0;
    while (!text.empty()) {
        const std::string_view word = NextWord(text);
        text.remove_prefix(std::min(word.size() + 1, text.size()));
        // Anything that starts with "<" and holds a ">" is a mark and is never
        // drawn; only the exact upper-case style marks switch the style.
        if (word.starts_with('<') && word.find('>') != std::string_view::npos) {
            if (AsciiUpper(word) == "<BR>") {
                y += kMarkupLineStep;
                x = 0;
            } else {
                ApplyStyleMark(canvas, word);
            }
            continue;
        }
        const std::string spaced = std::string(word) + ' ';
        const int w = canvas.TextWidth(spaced);
        if (x + w > canvas.Width()) {
            y += kMarkupLineStep;
            x = 0;
        }
        canvas.TextOut(x, y, spaced);
        x += w;
    }
}

} // namespace lumora
