#include "typing_state.h"

#include "platform/text_helpers.h"

namespace lumora {
namespace {

std::string Folded(const std::string& text) {
    return Trim(LowerAZ(text));
}

} // namespace

bool AnswerMatches(const std::string& typed, const std::string& answer,
                   const std::string& alternative) {
    const std::string t = Folded(typed);
    const std::string alt = Folded(alternative);
    return t == Folded(answer) || (!alt.empty() && t == alt);
}

TypingState::TypingState(TypingText text)
    : text_(std::move(text)), right_(text_.words.size(), false), wrong_(text_.words.size()) {}

void TypingState::KeepTyped(const std::string& typed) {
    if (open_ >= 0) {
        TextOf(open_) = Trim(typed);
    }
}

void TypingState::CloseGap(const std::string& typed) {
    KeepTyped(typed);
    open_ = -1;
}

std::string TypingState::OpenAt(int w, const std::string& typed) {
    KeepTyped(typed);
    open_ = w;
    std::string held = std::move(TextOf(w));
    TextOf(w).clear();
    return held;
}

int TypingState::NextGap() const {
    if (open_ < 0) {
        return -1;
    }
    for (int step = 1; step <= Words(); ++step) {
        const int w = (open_ + step) % Words();
        if (Word(w).gap) {
            return w;
        }
    }
    return -1;
}

void TypingState::Mark(const std::string& typed) {
    if (marked_) {
        return;
    }
    if (open_ >= 0) {
        TextOf(open_) = typed;
        open_ = -1;
    }
    marked_ = true;
    for (int w = 0; w < Words(); ++w) {
        const TypingWord& word = Word(w);
        if (!word.gap) {
            continue;
        }
        const auto g = static_cast<std::size_t>(word.gapNumber);
        if (AnswerMatches(word.text, text_.answers[g], text_.alternatives[g])) {
            right_[Index(w)] = true;
            ++rightCount_;
        } else {
            wrong_[Index(w)] = word.text;
            TextOf(w).clear();
        }
    }
    wrongCount_ = Gaps() - rightCount_;
}

void TypingState::FillAnswers() {
    for (TypingWord& word : text_.words) {
        if (!word.gap) {
            continue;
        }
        const auto g = static_cast<std::size_t>(word.gapNumber);
        const std::string& alternative = text_.alternatives[g];
        if (word.text == alternative && !Trim(alternative).empty()) {
            continue;
        }
        if (word.text != text_.answers[g]) {
            word.text = text_.answers[g];
        }
    }
}

} // namespace lumora
