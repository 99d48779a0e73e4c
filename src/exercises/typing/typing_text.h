#pragma once
// The text of a typing exercise, read from its ".fcs" file: the gap width,
// whether gaps start empty, and the words of the text, some of them gaps
// with their answers. Lines 1 to 3 hold the settings; from line 4 on all
// lines together make one sequence of words.
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lumora {

inline constexpr int kMaxWordSlots = 1400;

// The punctuation marks that stand as words of their own.
inline constexpr const char* kTypingMarks[] = {".", ",", ";", "!", "?"};
bool IsTypingMark(const std::string& text);

struct TypingWord {
    std::string text; // what is shown: the word, or for a gap what is typed
    bool gap = false;
    std::string prefill; // shown in the gap while gaps do not start empty
    int gapNumber = -1;  // for a gap: its index among the gaps
};

struct TypingText {
    int GapWidth = 0; // pixels
    bool EmptyGaps = false;
    std::vector<TypingWord> words;
    std::vector<std::string> answers;      // per gap, in text order
    std::vector<std::string> alternatives; // per gap; empty when it has none
};

struct TypingFault {
    int line = 0; // 1-based; 0 when the fault concerns the whole text
    std::string message;
};

// Inserts a blank before ".", ",", ";", "!" and "?" where none stands, so
// that they become words of their own. For each mark the search ends at its
// first occurrence that already has a blank before it.
std::string PrepareMarks(std::string line);

// An "&" word's answer: "answer\alternative" gives both; in each, every "+"
// with the character after it becomes one blank.
void SplitAnswer(const std::string& word, std::string& answer, std::string& alternative);

std::variant<TypingText, TypingFault> ParseTypingText(const std::vector<std::string>& lines);

// The file a lesson's St.t body names: "wpisywania\" + the body without its
// first three characters + ".fcs", relative to the course folder.
std::string TypingFileName(const std::string& stBody);

} // namespace lumora
