#pragma once
// The answer of a multiple-choice exercise that the keys have made current:
// every answer of every question in reading order, the arrows (and Tab)
// stepping through them from one question into the next, Space or Enter
// choosing the current one as a click does.
#include "choice_content.h"
#include "exercises/common/key_cursor.h"

#include <vector>

namespace lumora {

struct ChoicePick {
    int question = 0; // 0-based
    int option = 0;   // 1 or more
    bool operator==(const ChoicePick&) const = default;
};

class ChoiceKeys {
  public:
    ChoiceKeys() = default;
    explicit ChoiceKeys(const ChoiceContent& content);

    // Up and Left step back, Down and Right on; false at either end.
    bool Move(KeyStep step);
    bool Empty() const { return answers_.empty(); }
    int Count() const { return static_cast<int>(answers_.size()); }
    // The answer at a place of the reading order, and the current one's place.
    ChoicePick At(int index) const { return answers_.at(static_cast<std::size_t>(index)); }
    int Index() const { return cursor_.Index(); }
    // The current answer; only while not Empty.
    ChoicePick Current() const { return At(cursor_.Index()); }
    // Chooses the current answer (nothing once the exercise is marked).
    void Choose(ChoiceState& state) const;

  private:
    std::vector<ChoicePick> answers_;
    GridCursor cursor_;
};

} // namespace lumora
