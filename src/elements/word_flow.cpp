#include "word_flow.h"

#include "markup_painter.h"
#include "platform/text_helpers.h"

#include <algorithm>

namespace lumora {
namespace {

bool IsMark(std::string_view word) {
    return word.starts_with('<') && word.find('>') != std::string_view::npos;
}

bool IsBreak(std::string_view word, const WordFlowRules& rules) {
    return rules.breakAnyCase ? AsciiUpper(word) == "<BR>" : word == "<BR>";
}

// True when the word was a bold mark taken in any letter case.
bool SwitchedBold(Canvas& canvas, std::string_view word, const WordFlowRules& rules) {
    if (!rules.boldAnyCase) {
        return false;
    }
    const std::string folded = Trim(LowerAZ(word));
    if (folded != "<b>" && folded != "</b>") {
        return false;
    }
    canvas.Font.bold = folded == "<b>";
    return true;
}

void FlowOneWord(Canvas& canvas, std::string_view word, const WordFlowRules& rules, FlowPen& pen,
                 const PlaceWord& place) {
    if (SwitchedBold(canvas, word, rules)) {
        return;
    }
    pen.widest = std::max(pen.widest, pen.x);
    if (IsMark(word)) {
        if (IsBreak(word, rules)) {
            pen.y += rules.breakStep;
            pen.x = rules.lineStart;
        } else {
            ApplyStyleMark(canvas, word);
        }
        return;
    }
    std::string spaced(word);
    spaced += ' ';
    const int width = canvas.TextWidth(spaced);
    if (pen.x + width > canvas.Width()) {
        pen.y += rules.wrapStep;
        pen.x = rules.lineStart;
    }
    place({pen.x, pen.y, spaced, canvas.Font.bold, canvas.Font.italic});
    pen.x += width;
}

} // namespace

void FlowWords(Canvas& canvas, std::string_view text, const WordFlowRules& rules, FlowPen& pen,
               const PlaceWord& place) {
    while (!text.empty()) {
        const std::string_view word = NextWord(text);
        text.remove_prefix(std::min(word.size() + 1, text.size()));
        FlowOneWord(canvas, word, rules, pen, place);
    }
}

} // namespace lumora
