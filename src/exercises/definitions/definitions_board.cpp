#include "definitions_board.h"

#include "exercises/common/swap_shuffle.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace lumora {

std::vector<int> ShuffleLabels(int count) {
    std::vector<int> items(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(items.begin(), items.end(), 0);
    SwapShuffle(count, count, [&](int a, int b) {
        std::swap(items[static_cast<std::size_t>(a)], items[static_cast<std::size_t>(b)]);
    });
    return items;
}

DefinitionsBoard::DefinitionsBoard(const std::vector<DefinitionItem>& items,
                                   std::vector<int> labelItems, std::vector<WordSize> labels,
                                   std::vector<WordPlace> homes, std::vector<SlotBox> slots)
    : items_(std::move(labelItems)), labels_(std::move(labels)), homes_(std::move(homes)),
      places_(homes_), slots_(std::move(slots)), slotOf_(items_.size(), -1),
      labelIn_(items_.size(), -1) {
    const auto n = items_.size();
    if (items.size() != n || labels_.size() != n || homes_.size() != n || slots_.size() != n) {
        throw std::invalid_argument("every item needs its label, home place and slot");
    }
    for (const int item : items_) {
        words_.push_back(items.at(static_cast<std::size_t>(item)).word);
    }
}

bool DefinitionsBoard::StartDrag(int j) {
    if (evaluated_ || j < 0 || j >= Count()) {
        return false;
    }
    ++dragCount_;
    return true;
}

void DefinitionsBoard::Leave(int j) {
    int& slot = slotOf_[static_cast<std::size_t>(j)];
    if (slot >= 0) {
        labelIn_[static_cast<std::size_t>(slot)] = -1;
        slot = -1;
    }
}

void DefinitionsBoard::Put(int j, int i) {
    Leave(j);
    const auto& box = slots_[static_cast<std::size_t>(i)];
    const auto& label = labels_[static_cast<std::size_t>(j)];
    labelIn_[static_cast<std::size_t>(i)] = j;
    slotOf_[static_cast<std::size_t>(j)] = i;
    places_[static_cast<std::size_t>(j)] = {box.left + (box.width - label.width) / 2,
                                            box.top + (box.height - label.height) / 2};
}

WordPlace DefinitionsBoard::Drop(int j, WordPlace point) {
    if (j < 0 || j >= Count()) {
        return {};
    }
    if (evaluated_) {
        return Position(j);
    }
    for (int i = 0; i < Count(); ++i) {
        const int holder = LabelIn(i);
        if (slots_[static_cast<std::size_t>(i)].Holds(point) && (holder < 0 || holder == j)) {
            Put(j, i);
            return Position(j);
        }
    }
    Leave(j);
    places_[static_cast<std::size_t>(j)] = Home(j);
    return Position(j);
}

bool DefinitionsBoard::Check() {
    if (evaluated_) {
        return rightCount_ == Count();
    }
    evaluated_ = true;
    answers_ = labelIn_;
    rightCount_ = 0;
    for (int j = 0; j < Count(); ++j) {
        if (SlotOf(j) == ItemOf(j)) {
            ++rightCount_;
        }
    }
    wrongCount_ = Count() - rightCount_;
    if (wrongCount_ == 0) {
        return true;
    }
    // Free every slot first, so no label is refused by one still in place.
    for (int j = 0; j < Count(); ++j) {
        Leave(j);
    }
    for (int j = 0; j < Count(); ++j) {
        Put(j, ItemOf(j));
    }
    return false;
}

std::string DefinitionsBoard::AnswerList(const std::string& heading) const {
    if (!evaluated_) {
        return {};
    }
    std::string list = heading + '\r';
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        if (i > 0) {
            list += '\r';
        }
        const int j = answers_[i];
        list += " - " + (j < 0 ? std::string() : words_[static_cast<std::size_t>(j)]);
    }
    return list;
}

WordPlace DefinitionsBoard::WarningPicture() const {
    if (slots_.empty()) {
        return {};
    }
    const SlotBox& first = slots_.front();
    return {first.left + first.width - 6, first.top + (first.height - kWarningPictureSize) / 2};
}

DefinitionsExercise SetUpDefinitions(const std::vector<DefinitionItem>& items,
                                     std::vector<int> labelItems, SteeringRow& row,
                                     const WordMeasure& label, const StyledMeasure& text) {
    std::vector<WordSize> sizes;
    std::vector<int> widths;
    int widest = 0;
    for (const int item : labelItems) {
        sizes.push_back(label(items.at(static_cast<std::size_t>(item)).word));
        widths.push_back(sizes.back().width);
        widest = std::max(widest, widths.back());
    }
    const DefinitionsFrame frame = ApplyDefinitionsDefaults(row, widest);
    DefinitionsPaint paint = LayOutDefinitions(items, frame, text);
    std::vector<SlotBox> slots;
    for (const auto& r : paint.rows) {
        slots.push_back({frame.slotLeft, r.slotTop, frame.slotWidth, r.slotHeight});
    }
    auto homes = LayOutWordPool(widths, frame.pool);
    return {frame, std::move(paint),
            DefinitionsBoard(items, std::move(labelItems), std::move(sizes), std::move(homes),
                             std::move(slots))};
}

} // namespace lumora
