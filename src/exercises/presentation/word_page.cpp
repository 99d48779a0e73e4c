#include "word_page.h"

#include <algorithm>

namespace lumora {

WordPage::WordPage(int wordCount, bool scrolls) : wordCount_(wordCount), scrolls_(scrolls) {
    ShowFirst();
}

int WordPage::LastShown() const {
    return std::min(firstShown_ + kSlots - 1, wordCount_);
}

void WordPage::Shown() {
    if (wordCount_ < firstShown_ + kSlots - 1) {
        upShown_ = false;
        downShown_ = false;
    }
}

void WordPage::ShowFirst() {
    firstShown_ = 1;
    Shown();
    upShown_ = false;
    downShown_ = scrolls_ && wordCount_ > kSlots;
}

void WordPage::Down() {
    firstShown_ += kStep;
    Shown();
    downShown_ = firstShown_ + kSlots - 1 < wordCount_;
    upShown_ = true;
}

void WordPage::Up() {
    firstShown_ = std::max(1, firstShown_ - kStep);
    Shown();
    upShown_ = firstShown_ > 1;
    downShown_ = true;
}

int PlayAllRun::Start(WordPage& page) {
    page.ShowFirst();
    index_ = page.WordCount() > 0 ? 1 : 0;
    return index_;
}

int PlayAllRun::Step(WordPage& page) {
    if (index_ == 0) {
        return 0;
    }
    ++index_;
    if (index_ > page.WordCount()) {
        index_ = 0;
        return 0;
    }
    if (index_ >= page.FirstShown() + WordPage::kSlots && page.DownShown()) {
        page.Down();
    }
    return index_;
}

// Four pictures a row from (30, 50), 5 pixels apart, rows 40 pixels apart.
std::array<std::pair<int, int>, WordPage::kSlots> SlotGridPlaces() {
    std::array<std::pair<int, int>, WordPage::kSlots> places{};
    int x = 30;
    int y = 50;
    for (auto& place : places) {
        place = {x, y};
        if (x + 2 * kSlotPictureWidth + 5 < 750) {
            x += kSlotPictureWidth + 5;
        } else {
            x = 30;
            y += kSlotPictureHeight + 40;
        }
    }
    return places;
}

} // namespace lumora
