#pragma once
// How a gap-filling sentence is laid out in its frame: the words drawn at
// their places, each gap an 80-pixel entry field the rest of the text
// follows, lines wrapped at the frame's width and at "@". The screen measures
// text with its font; the layout only needs that measure.
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace lumora {

inline constexpr int kGapFieldWidth = 80;
inline constexpr int kAfterGap = 6;    // the space after a field
inline constexpr int kFrameMargin = 6; // kept free at the frame's right edge
inline constexpr int kFieldRaise = 3;  // a field sits this much above its line

using TextWidth = std::function<int(const std::string&)>;

struct PlacedWord {
    int x = 0;
    int y = 0;
    std::string text;
};

struct GapField {
    bool placed = false; // the sentence has this gap
    int x = 0;           // within the frame
    int y = 0;
    std::string answer; // expected text, trimmed
    // Fields of gaps that expect nothing stay hidden.
    bool Shown() const { return placed && !answer.empty(); }
};

struct GapLayout {
    std::vector<PlacedWord> words;
    std::array<GapField, 3> fields{};
};

// Lays out the tokens of a prepared gap sentence (PrepareGapSentence).
// Marks that do not pair up are ignored rather than trusted.
GapLayout LayOutGaps(const std::vector<std::string>& tokens, int frameWidth, int lineHeight,
                     const TextWidth& width);

// The expected text of each gap, trimmed; empty for gaps the sentence lacks.
std::array<std::string, 3> GapAnswers(const std::vector<std::string>& tokens);

// Whether each gap that expects something holds exactly that, once both are
// trimmed (letter case counts); gaps that expect nothing are right.
bool GapsRight(const std::array<std::string, 3>& answers,
               const std::array<std::string, 3>& entries);

} // namespace lumora
