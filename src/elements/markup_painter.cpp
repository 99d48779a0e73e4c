#include "markup_painter.h"

#include "word_flow.h"

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
    FlowPen pen;
    FlowWords(canvas, text, {}, pen,
              [&canvas](const FlowWord& word) { canvas.TextOut(word.x, word.y, word.text); });
}

} // namespace lumora
