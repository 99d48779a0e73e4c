#pragma once
// Where the typing screen paints its text: words flowing in lines 17 pixels
// apart, wrapped before the right edge but never so that a punctuation mark
// starts a line; glue, raised words, line breaks and bold and italic marks;
// gaps as wide as the gap width while empty, and after marking an
// exclamation picture before every gap that was not right.
#include "exercises/common/text_measure.h"
#include "typing_state.h"

#include <string>
#include <vector>

namespace lumora {

inline constexpr int kTypingLineStep = 17; // between lines, and one scroll step
inline constexpr int kExclamationWidth = 16;
inline constexpr int kExclamationHeight = 18;

struct TypingPiece {
    int x = 0;
    int y = 0;
    std::string text; // the word and its separator
    bool gap = false; // gaps are drawn in blue, words in black
    TextStyle style;
};

// A gap's click area (edges included), and where its exclamation picture
// stands once marked.
struct GapArea {
    int word = 0; // word slot
    int left = 0, top = 0, width = 0, height = kTypingLineStep;

    bool Contains(int x, int y) const {
        return x >= left && x <= left + width && y >= top && y <= top + height;
    }
};

struct TypingLayout {
    std::vector<TypingPiece> pieces;
    std::vector<GapArea> gaps;         // every gap, in text order
    std::vector<GapArea> exclamations; // 18 x 18 pictures, drawn 4 pixels left
    int end = 0;                       // the last line's top
};

// What an empty gap shows when gaps start empty: underscores at least the
// gap width less 5 pixels wide. (Otherwise it shows its word's prefill.)
std::string GapUnderscores(const MeasureText& measure, int gapWidth);

TypingLayout LayOutTyping(const MeasureText& measure, const TypingState& state, int boxWidth,
                          int scroll);

// How many steps the text can scroll in a box of that height: 0 when it fits.
int TypingScrollLimit(int end, int boxHeight);

// The first gap in text order whose area holds the point, or nullptr.
const GapArea* HitGap(const std::vector<GapArea>& gaps, int x, int y);

// After marking: the gap whose exclamation picture (16 x 18 at the gap's
// place) holds the point and whose learner's text is not empty.
const GapArea* HitExclamation(const TypingState& state, const std::vector<GapArea>& gaps, int x,
                              int y);

} // namespace lumora
