#pragma once
// The word flow every painted course text shares: the text is taken word by
// word at single spaces, "<B>", "</B>", "<I>", "</I>" switch the canvas font's
// style, a break mark starts a new line, and a word that does not fit the
// canvas's width goes to the next line. Painters differ only in their rules:
// line steps, where a new line starts and which letter cases the marks take.
#include "platform/ui/canvas.h"

#include <functional>
#include <string>
#include <string_view>

namespace lumora {

struct WordFlowRules {
    int wrapStep = 18;  // down to the next line when a word does not fit
    int breakStep = 18; // down to the next line at a break mark
    int lineStart = 0;  // where a wrapped or broken line starts
    // "<BR>" breaks in any letter case; otherwise only written so.
    bool breakAnyCase = true;
    // "<b>" and "</b>" switch bold in any letter case; otherwise only
    // "<B>" and "</B>" do, like the italic marks.
    bool boldAnyCase = false;
};

// Where the next word goes, and the furthest right a word or mark began.
struct FlowPen {
    int x = 0;
    int y = 0;
    int widest = 0;
};

struct FlowWord {
    int x = 0;
    int y = 0;
    std::string text; // the word and the blank after it
    bool bold = false;
    bool italic = false;
};

using PlaceWord = std::function<void(const FlowWord&)>;

// Flows the text from the pen, measuring with the canvas and carrying the
// style in its font, and hands every word to be drawn to `place`. Anything
// starting with "<" and holding a ">" is a mark and is never drawn, whether
// it switches anything or not.
void FlowWords(Canvas& canvas, std::string_view text, const WordFlowRules& rules, FlowPen& pen,
               const PlaceWord& place);

} // namespace lumora
