#include "choice_drill.h"

#include "platform/random.h"
#include "presentation_words.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumora {
namespace {

bool Contains(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

int Draw(const std::vector<int>& rows) {
    return rows[static_cast<std::size_t>(Random(static_cast<int>(rows.size())))];
}

} // namespace

ChoiceDrill::ChoiceDrill(std::vector<int> rows) : rows_(std::move(rows)) {
    const int count = std::min<int>(kMaxQuestions, static_cast<int>(rows_.size()));
    Randomize();
    while (static_cast<int>(targets_.size()) < count) {
        const int row = Draw(rows_);
        if (!Contains(targets_, row)) {
            targets_.push_back(row);
        }
    }
    points_.assign(targets_.size(), 0);
    tries_.assign(targets_.size(), 0);
    BuildRound();
}

// Other words are drawn until there are four (three when the lesson has only
// four words), then the asked word takes a drawn slot: over the word there,
// or, with three others, in front of it.
void ChoiceDrill::BuildRound() {
    const int target = Target();
    const std::size_t others =
        std::min<std::size_t>(kRoundWords, rows_.size() > 0 ? rows_.size() - 1 : 0);
    round_.clear();
    while (round_.size() < others) {
        const int row = Draw(rows_);
        if (row != target && !Contains(round_, row)) {
            round_.push_back(row);
        }
    }
    correctSlot_ = Random(kRoundWords) + 1;
    const auto at = round_.begin() + (correctSlot_ - 1);
    if (round_.size() == kRoundWords) {
        *at = target;
    } else {
        round_.insert(at, target);
    }
}

ChoiceDrill::Answer ChoiceDrill::Choose(int slot) {
    Answer answer;
    if (Finished() || targets_.empty()) {
        answer.finished = true;
        return answer;
    }
    const auto q = static_cast<std::size_t>(current_);
    ++tries_[q];
    if (slot == correctSlot_) {
        answer.right = true;
        ++solved_;
        points_[q] = PointsForTries(tries_[q]);
        ++right_;
    } else {
        ++wrong_;
    }
    answer.finished = Finished();
    if (!answer.finished) {
        MoveOn();
    }
    return answer;
}

void ChoiceDrill::MoveOn() {
    const int count = QuestionCount();
    do {
        current_ = (current_ + 1) % count;
    } while (points_[static_cast<std::size_t>(current_)] != 0);
    BuildRound();
}

int ChoiceDrill::Points() const {
    return std::accumulate(points_.begin(), points_.end(), 0);
}

int ChoiceDrill::QuestionPoints(int question) const {
    return points_.at(static_cast<std::size_t>(question - 1));
}

int ChoiceDrill::ProgressWidth() const {
    if (targets_.empty()) {
        return 0;
    }
    return static_cast<int>(
        std::lround(static_cast<double>(solved_) / QuestionCount() * kProgressWidth));
}

} // namespace lumora
