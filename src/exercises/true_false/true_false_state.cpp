#include "true_false_state.h"

namespace lumora {

TrueFalseState::TrueFalseState(const TrueFalseContent& content) {
    for (const auto& statement : content.statements) {
        Item item;
        item.truth = statement.truth;
        items_.push_back(item);
    }
}

void TrueFalseState::Tick(int n, bool sayTrue) {
    if (marked_ || n < 0 || n >= Statements()) {
        return;
    }
    ++actions_;
    Item& item = items_[static_cast<std::size_t>(n)];
    item.tickedTrue = sayTrue;
    item.tickedFalse = !sayTrue;
    item.trueBox = sayTrue ? AnswerMark::Checked : AnswerMark::Normal;
    item.falseBox = sayTrue ? AnswerMark::Normal : AnswerMark::Checked;
}

void TrueFalseState::MarkItem(Item& item) {
    const bool ticked = item.tickedTrue || item.tickedFalse;
    item.exclaimed = !ticked;
    if ((item.truth && item.tickedTrue) || (!item.truth && item.tickedFalse)) {
        ++right_;
        return;
    }
    AnswerMark& rightBox = item.truth ? item.trueBox : item.falseBox;
    AnswerMark& otherBox = item.truth ? item.falseBox : item.trueBox;
    rightBox = AnswerMark::Checked;
    otherBox = ticked ? AnswerMark::Bad : AnswerMark::Normal;
}

void TrueFalseState::Mark() {
    if (marked_) {
        return;
    }
    marked_ = true;
    for (Item& item : items_) {
        MarkItem(item);
    }
    wrong_ = Statements() - right_;
}

} // namespace lumora
