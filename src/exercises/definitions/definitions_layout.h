#pragma once
// Where the definitions screen puts things: the word pool, the slot column
// and the definitions box from the lesson's layout pairs, and the
// definitions painted word by word into the box, which sets each row's slot
// and dash. Text is measured by the caller's font (Arial 10 pt).
#include "course/course_data.h"
#include "definitions_content.h"
#include "exercises/common/text_measure.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

inline constexpr int kDefinitionLineStep = 17; // within a definition
inline constexpr int kDefinitionRowStep = 24;  // from one definition to the next
inline constexpr int kDefinitionsBoxHeight = 313;
inline constexpr int kWordPoolRight = 560;
inline constexpr int kWordPoolRowStep = 20;

struct WordPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const WordPlace&, const WordPlace&) = default;
};

struct WordSize {
    int width = 0;
    int height = 0;
};

// A slot for a word: edges included.
struct SlotBox {
    int left = 0, top = 0, width = 0, height = 0;
    bool Holds(WordPlace p) const {
        return p.left >= left && p.left <= left + width && p.top >= top && p.top <= top + height;
    }
    friend bool operator==(const SlotBox&, const SlotBox&) = default;
};

// The screen's fixed places for a lesson. A zero in pairs 3 and 4 is
// replaced in the row itself by its default, so the next opening keeps it.
struct DefinitionsFrame {
    WordPlace pool; // the first word of the pool
    int slotLeft = 0;
    int slotWidth = 0;
    int dashLeft = 0;
    int boxLeft = 0;
    int boxTop = 0;
    int boxWidth = 0;
};
DefinitionsFrame ApplyDefinitionsDefaults(SteeringRow& row, int maxWordWidth);

// The pool: left to right from its origin, a new row 20 pixels lower when a
// word would reach past x = 560 (even the first of a row).
std::vector<WordPlace> LayOutWordPool(const std::vector<int>& widths, WordPlace origin);

// The width of a text in the style.
using StyledMeasure = MeasureText;

struct PaintedWord {
    int x = 0; // in the box
    int y = 0;
    std::string text; // the word and the space after it
    TextStyle style;
    friend bool operator==(const PaintedWord&, const PaintedWord&) = default;
};

struct DefinitionRow {
    int slotTop = 0; // in the form
    int slotHeight = 0;
    int dashTop = 0;
};

struct DefinitionsPaint {
    std::vector<PaintedWord> words;
    std::vector<DefinitionRow> rows; // one per item
    TextStyle end;                   // the style after the last definition
};

// Lays the definitions out one under the other, wrapping at the box width;
// a word that does not fit starts a new line, even at the start of one. The
// style marks carry over from one definition to the next.
DefinitionsPaint LayOutDefinitions(const std::vector<DefinitionItem>& items,
                                   const DefinitionsFrame& frame, const StyledMeasure& measure,
                                   TextStyle start = {});

} // namespace lumora
