#include "choice_content.h"

#include "exercises/common/swap_shuffle.h"
#include "platform/random.h"
#include "platform/text_helpers.h"

namespace lumora {
namespace {

constexpr int kAnswerSwaps = 4;

// Removes the right-answer mark and tells whether it was there.
bool TakeRightMark(std::string& option) {
    if (option.starts_with("T_")) {
        option.erase(0, 2);
        return true;
    }
    return false;
}

std::string QuestionFault(std::size_t q, const std::string& what) {
    return "Question " + std::to_string(q) + ": " + what;
}

std::variant<ChoiceQuestion, std::string> ParseQuestion(std::string& rest, std::size_t q) {
    const auto hash = rest.find('#');
    if (hash == std::string::npos) {
        return QuestionFault(q, "it does not end with \"#\".");
    }
    ChoiceQuestion question;
    std::size_t start = 0;
    while (true) {
        const auto eq = rest.find('=', start);
        const bool last = eq == std::string::npos || eq > hash;
        std::string option = rest.substr(start, (last ? hash : eq) - start);
        // The question text loses a mark too, but is never the answer.
        if (TakeRightMark(option) && !question.options.empty()) {
            question.right = static_cast<int>(question.options.size());
        }
        question.options.push_back(std::move(option));
        if (last) {
            break;
        }
        start = eq + 1;
    }
    rest.erase(0, hash + 1);
    const int answers = static_cast<int>(question.options.size()) - 1;
    if (answers < 2) {
        return QuestionFault(q, "it needs at least two answers.");
    }
    if (answers > kMaxChoiceAnswers) {
        return QuestionFault(q,
                             "it has more than " + std::to_string(kMaxChoiceAnswers) + " answers.");
    }
    if (question.right == 0) {
        return QuestionFault(q, "no answer is marked \"T_\".");
    }
    return question;
}

} // namespace

std::variant<ChoiceContent, std::string> ParseChoiceContent(const std::string& body) {
    ChoiceContent content;
    std::string rest = DropChars(body, 3);
    while (!rest.empty()) {
        if (content.questions.size() == kMaxChoiceQuestions) {
            return "More than " + std::to_string(kMaxChoiceQuestions) + " questions.";
        }
        auto question = ParseQuestion(rest, content.questions.size() + 1);
        if (auto* error = std::get_if<std::string>(&question)) {
            return *error;
        }
        auto& q = std::get<ChoiceQuestion>(question);
        content.answerTotal += static_cast<int>(q.options.size()) - 1;
        content.questions.push_back(std::move(q));
    }
    if (content.questions.empty()) {
        return std::string("The exercise has no questions.");
    }
    return content;
}

void ShuffleAnswers(ChoiceContent& content) {
    Randomize();
    for (auto& q : content.questions) {
        // The stem stays first: only the answers, from index 1, change places.
        const int answers = static_cast<int>(q.options.size()) - 1;
        SwapShuffle(answers, kAnswerSwaps, [&q](int a, int b) {
            std::swap(q.options[static_cast<std::size_t>(a + 1)],
                      q.options[static_cast<std::size_t>(b + 1)]);
            q.right = FollowSwap(q.right, a + 1, b + 1);
        });
    }
}

ChoiceState::ChoiceState(const ChoiceContent& content) {
    for (const auto& q : content.questions) {
        Flags f;
        f.selected.assign(q.options.size(), false);
        f.wrong.assign(q.options.size(), false);
        f.right = q.right;
        questions_.push_back(std::move(f));
    }
}

void ChoiceState::Choose(int q, int option) {
    if (marked_ || q < 0 || q >= Questions()) {
        return;
    }
    auto& f = questions_[static_cast<std::size_t>(q)];
    if (option < 1 || option >= static_cast<int>(f.selected.size())) {
        return;
    }
    ++actions_;
    f.selected.assign(f.selected.size(), false);
    f.selected[static_cast<std::size_t>(option)] = true;
}

void ChoiceState::Mark() {
    marked_ = true;
    for (auto& f : questions_) {
        const auto right = static_cast<std::size_t>(f.right);
        if (f.selected[right]) {
            ++right_;
        }
        for (std::size_t i = 1; i < f.selected.size(); ++i) {
            if (f.selected[i] && i != right) {
                f.wrong[i] = true;
            }
        }
        f.selected[right] = true;
    }
    wrong_ = Questions() - right_;
}

bool ChoiceState::Selected(int q, int option) const {
    return questions_.at(static_cast<std::size_t>(q)).selected.at(static_cast<std::size_t>(option));
}

bool ChoiceState::Wrong(int q, int option) const {
    return questions_.at(static_cast<std::size_t>(q)).wrong.at(static_cast<std::size_t>(option));
}

int ChoiceState::Points() const {
    return Questions() == 1 ? right_ * 20 : right_ * 5;
}

} // namespace lumora
