#pragma once
// A typing exercise being done: what the learner has typed into each gap,
// the gap being edited, the move from gap to gap, the marking and the
// answers filled in after it.
#include "typing_text.h"

#include <string>
#include <vector>

namespace lumora {

// Whether a typed text answers a gap: outer blanks and the case of A to Z do
// not matter; an alternative, when the gap has one, is as good as the answer.
bool AnswerMatches(const std::string& typed, const std::string& answer,
                   const std::string& alternative);

class TypingState {
  public:
    TypingState() = default;
    explicit TypingState(TypingText text);

    const TypingText& Text() const { return text_; }
    const TypingWord& Word(int w) const { return text_.words.at(Index(w)); }
    int Words() const { return static_cast<int>(text_.words.size()); }
    int Gaps() const { return static_cast<int>(text_.answers.size()); }
    bool IsGap(int w) const { return w >= 0 && w < Words() && Word(w).gap; }
    // After marking: whether the gap was answered right, and what the learner
    // had typed into a gap that was not.
    bool Right(int w) const { return right_.at(Index(w)); }
    const std::string& WrongText(int w) const { return wrong_.at(Index(w)); }

    // The word slot of the gap being edited, or -1.
    int OpenGap() const { return open_; }
    // Counts one opening of a gap (also one that is refused).
    void CountOpening() { ++actions_; }
    // Puts the editor's text, trimmed, into the open gap, which stays open.
    void KeepTyped(const std::string& typed);
    // The same, and no gap is open any more.
    void CloseGap(const std::string& typed);
    // Puts the editor's text, trimmed, into the open gap, opens gap w and
    // returns what it held for the editor; the gap itself is emptied.
    std::string OpenAt(int w, const std::string& typed);
    // The gap Tab or Enter moves to: the first after the open one, from the
    // first word again after the last; the open gap itself when it is the
    // only one. -1 when no gap is open.
    int NextGap() const;

    // Judges every gap; the open gap takes the editor's text untrimmed.
    void Mark(const std::string& typed);
    // After a marking that was not all right, every gap shows its answer,
    // except a gap where exactly the alternative was typed.
    void FillAnswers();

    bool Marked() const { return marked_; }
    int RightCount() const { return rightCount_; }
    int WrongCount() const { return wrongCount_; }
    int Actions() const { return actions_; }
    int Points() const { return rightCount_ * 2; }

  private:
    std::size_t Index(int w) const { return static_cast<std::size_t>(w); }
    std::string& TextOf(int w) { return text_.words.at(Index(w)).text; }

    TypingText text_;
    std::vector<bool> right_;
    std::vector<std::string> wrong_;
    int open_ = -1;
    bool marked_ = false;
    int rightCount_ = 0, wrongCount_ = 0, actions_ = 0;
};

} // namespace lumora
