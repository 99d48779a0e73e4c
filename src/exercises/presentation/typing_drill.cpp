#include "typing_drill.h"

#include "platform/random.h"
#include "platform/text_helpers.h"
#include "presentation_words.h"

#include <algorithm>
#include <numeric>

namespace lumora {

bool TypedMatches(std::string_view typed, std::string_view word) {
    return Trim(typed) == word;
}

TypingDrill::TypingDrill(const std::vector<int>& rows) {
    const std::size_t count = std::min<std::size_t>(kWords, rows.size());
    while (words_.size() < count) {
        const int row = rows[static_cast<std::size_t>(Random(static_cast<int>(rows.size())))];
        if (std::find(words_.begin(), words_.end(), row) == words_.end()) {
            words_.push_back(row);
        }
    }
    points_.assign(count, 0);
    tries_.assign(count, 0);
}

bool TypingDrill::Solved(int position) const {
    return position >= 1 && position <= Count() &&
           points_[static_cast<std::size_t>(position - 1)] != 0;
}

TypingDrill::Answer TypingDrill::Enter(int position, std::string_view typed,
                                       std::string_view word) {
    Answer answer;
    if (position < 1 || position > Count() || Solved(position)) {
        answer.finished = Finished();
        answer.next = NextOpen(position);
        return answer;
    }
    const auto i = static_cast<std::size_t>(position - 1);
    ++tries_[i];
    if (!TypedMatches(typed, word)) {
        ++wrong_;
        answer.next = position;
        return answer;
    }
    answer.right = true;
    points_[i] = PointsForTries(tries_[i]);
    ++right_;
    answer.finished = Finished();
    answer.next = NextOpen(position);
    return answer;
}

int TypingDrill::NextOpen(int position) const {
    if (Count() == 0) {
        return 0;
    }
    for (int step = 1; step <= Count(); ++step) {
        const int p = (position - 1 + step) % Count() + 1;
        if (!Solved(p)) {
            return p;
        }
    }
    return 0;
}

int TypingDrill::Points() const {
    return std::accumulate(points_.begin(), points_.end(), 0);
}

} // namespace lumora
