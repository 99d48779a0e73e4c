#pragma once
// Where the true/false screen paints: the two headings over a block of two
// box columns at the left, ruled off below the headings and between the
// columns, and each statement wrapped to the right of the block. Each
// statement's pair of boxes sits level with the middle of its lines.
#include "exercises/common/text_measure.h"
#include "true_false_content.h"

#include <string>
#include <vector>

namespace lumora {

inline constexpr int kStatementLineStep = 17;
inline constexpr int kStatementGap = 24;

struct PlacedText {
    int x = 0;
    int y = 0;
    std::string text;
};

struct TrueFalseLayout {
    int block = 0;                        // width of the box block: twice the wider heading + 10
    PlacedText trueHeading, falseHeading; // bold
    int headingRuleY = 20;                // from (0, y) to (block, y)
    std::vector<PlacedText> words;        // each word with its blank
    // Per statement, in paint-box pixels: the top of its two boxes.
    std::vector<int> boxTops;
    int trueCentre = 0; // the boxes' horizontal centres
    int falseCentre = 0;
    int dividerX = 0;      // the rule between the box columns, from y 0
    int dividerBottom = 0; // to here
};

// Lays out in a paint box of that width; markHeight is the height of the box
// pictures.
TrueFalseLayout LayOutTrueFalse(const MeasureText& measure, const TrueFalseContent& content,
                                int boxWidth, int markHeight);

} // namespace lumora
