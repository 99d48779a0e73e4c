#include "true_false_layout.h"

#include <algorithm>

namespace lumora {
namespace {

constexpr int kHeadingTop = 4;
constexpr int kFirstStatementTop = 26;
constexpr int kTextIndent = 5; // from the block to the statements
constexpr int kBoxRaise = 5;   // the boxes stand this much above the middle

// Words end at single blanks; each is drawn followed by one blank.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto blank = text.find(' ', start);
        const auto end = blank == std::string::npos ? text.size() : blank;
        words.push_back(text.substr(start, end - start) + ' ');
        start = end + 1;
    }
    return words;
}

// Lays out one statement from top; returns the last line's top.
int LayOutStatement(const MeasureText& measure, const std::string& text, int boxWidth, int left,
                    int top, std::vector<PlacedText>& out) {
    int x = left;
    int y = top;
    for (std::string& word : Words(text)) {
        const int width = measure(word, {});
        if (x + width > boxWidth) {
            x = left;
            y += kStatementLineStep;
        }
        out.push_back({x, y, std::move(word)});
        x += width;
    }
    return y;
}

} // namespace

TrueFalseLayout LayOutTrueFalse(const MeasureText& measure, const TrueFalseContent& content,
                                int boxWidth, int markHeight) {
    TrueFalseLayout out;
    const TextStyle bold{true, false};
    const int w1 = measure(content.trueHeading, bold);
    const int w2 = measure(content.falseHeading, bold);
    out.block = 2 * std::max(w1, w2) + 10;
    const int half = out.block / 2;
    out.trueHeading = {(half - w1) / 2 + 1, kHeadingTop, content.trueHeading};
    out.falseHeading = {half + (half - w2) / 2 + 1, kHeadingTop, content.falseHeading};
    out.trueCentre = out.block / 4;
    out.falseCentre = (out.block / 4) * 3;
    out.dividerX = half;
    int y = kFirstStatementTop;
    for (const auto& statement : content.statements) {
        const int start = y;
        y = LayOutStatement(measure, statement.text, boxWidth, out.block + kTextIndent, y,
                            out.words);
        y += kStatementGap;
        out.boxTops.push_back(start + (y - start) / 2 - markHeight / 2 - kBoxRaise);
    }
    out.dividerBottom = y + 5;
    return out;
}

} // namespace lumora
