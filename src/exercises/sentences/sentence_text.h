#pragma once
// The printed text of a gap-filling sentence: its tokens, its gaps marked
// "<" ... ">", the faults a course author should hear about, and the full
// sentence shown once the learner has answered.
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

inline constexpr int kMaxSentenceTokens = 70;
inline constexpr int kMaxGaps = 3;

// Appended to a gap-filling sentence that has no gap, so the learner sees
// the fault and the text still has a gap to fill.
inline constexpr const char* kNoGapNotice = "@ UWAGA BRAK LUKI NA <wyraz>!";

// Splits a sentence: "%", ",", "<", ">", "@" and "^" are tokens of their
// own; any other run of characters up to one of them or a space is a token;
// spaces only separate.
std::vector<std::string> SplitSentenceTokens(std::string_view text);

enum class GapFault {
    TooManyTokens, // the text is cut after the 70th token
    TooManyGaps,   // gaps after the third are shown as plain words
    UnclosedGap,   // a "<" without its ">": its words are shown as plain words
    StrayClose,    // a ">" without its "<": left out
    NoGap,         // no "<" at all: the notice above is appended
};

// What the author is told about a fault.
std::string GapFaultText(GapFault fault);
// What the learner is told about a fault the series meets (NoGap shows in the
// sentence itself), in Polish.
std::string GapFaultLearnerText(GapFault fault);

struct GapSentence {
    // At most 70 tokens, in which every "<" has its ">" with no other mark
    // between them, and there are at most three such gaps.
    std::vector<std::string> tokens;
    std::vector<GapFault> faults; // each kind once, in the order met
};

// Prepares the sentence text (the English text of a data row) for the gap
// layout. Marks that would make a fourth gap, or that have no partner, are
// left out, so the layout never needs a field it does not have.
GapSentence PrepareGapSentence(const std::string& english);

// The full sentence shown after answering: the text without "<" and ">".
std::string SolutionText(const std::string& english);

} // namespace lumora
