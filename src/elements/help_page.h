#pragma once
// A help text as the information screen shows it: split into words and marks
// once per showing, with the scroll position of its 20-pixel lines.
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

inline constexpr const char* kTooManyHelpWordsMessage = "Zbyt duza liczba wyrazów!";

// Which of the two scroll arrows are to be shown.
struct ScrollArrows {
    bool up = false;
    bool down = false;
};

class HelpPage {
  public:
    static constexpr int kMaxHelpWords = 5000;

    // Fills HelpWords with the words and marks of the text ("<br>", "@",
    // "<i>", "</i>", "<b>", "</b>" are found even when written against a
    // word; runs of spaces give empty entries). Words beyond the 5000th are
    // dropped with one message. Scrolls to the top and asks the next paint
    // to lay out the scroll arrows.
    void SplitHelpText(std::string_view text);

    const std::vector<std::string>& HelpWords() const { return words_; }
    int HelpWordCount() const { return static_cast<int>(words_.size()); }
    // The words without their marks, one space apart, for screen readers.
    std::string ReadAloud() const;

    // One line down or up; returns the arrows to show afterwards.
    ScrollArrows ScrollDown();
    ScrollArrows ScrollUp();

    int HelpScrollLine = 0; // first line shown, 0 at the top
    int HelpMaxScroll = 0;  // largest useful HelpScrollLine
    bool HelpNeedsLayout = false;

  private:
    void AddWord(std::string word);

    std::vector<std::string> words_;
    bool warned_ = false;
};

} // namespace lumora
