#pragma once
// The learner's ticks on a true/false exercise and their marking: one box
// ticked per statement, and after marking each statement shown with its right
// box ticked, a wrong tick crossed, and an exclamation mark where nothing was
// ticked.
#include "exercises/common/lesson_step.h"
#include "true_false_content.h"

#include <vector>

namespace lumora {

class TrueFalseState {
  public:
    explicit TrueFalseState(const TrueFalseContent& content);

    // Ticks the "true" (sayTrue) or the "false" box of statement n (0-based)
    // and clears the other; ignored once marked.
    void Tick(int n, bool sayTrue);
    void Mark();

    AnswerMark TrueBox(int n) const { return At(n).trueBox; }
    AnswerMark FalseBox(int n) const { return At(n).falseBox; }
    // Whether statement n was left without a tick (known once marked).
    bool Exclaimed(int n) const { return At(n).exclaimed; }
    bool Marked() const { return marked_; }
    int Right() const { return right_; }
    int WrongCount() const { return wrong_; }
    int Actions() const { return actions_; }
    int Statements() const { return static_cast<int>(items_.size()); }
    // Points when the exercise is left.
    int Points() const { return right_ * 5; }

  private:
    struct Item {
        bool truth = false;
        bool tickedTrue = false;
        bool tickedFalse = false;
        AnswerMark trueBox = AnswerMark::Normal;
        AnswerMark falseBox = AnswerMark::Normal;
        bool exclaimed = false;
    };
    const Item& At(int n) const { return items_.at(static_cast<std::size_t>(n)); }
    void MarkItem(Item& item);

    std::vector<Item> items_;
    bool marked_ = false;
    int right_ = 0, wrong_ = 0, actions_ = 0;
};

} // namespace lumora
