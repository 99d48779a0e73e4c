#include "choice_keys.h"

namespace lumora {

ChoiceKeys::ChoiceKeys(const ChoiceContent& content) {
    for (int q = 0; q < static_cast<int>(content.questions.size()); ++q) {
        const int options =
            static_cast<int>(content.questions[static_cast<std::size_t>(q)].options.size());
        for (int option = 1; option < options; ++option) {
            answers_.push_back({q, option});
        }
    }
    cursor_ = GridCursor(static_cast<int>(answers_.size()), 1);
}

bool ChoiceKeys::Move(KeyStep step) {
    return cursor_.Move(AlongList(step));
}

void ChoiceKeys::Choose(ChoiceState& state) const {
    if (!Empty()) {
        state.Choose(Current().question, Current().option);
    }
}

} // namespace lumora
