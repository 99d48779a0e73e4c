#pragma once
// The page of the presentation: eight slots showing word positions
// FirstShown .. FirstShown + 7 (counted from 1), moved by four with the down
// and up arrows, and the play-all run that speaks every word in turn,
// scrolling the page when the word it reaches is below the last slot.
#include <array>
#include <utility>

namespace lumora {

// A slot's picture size, and where the eight slots stand on the screen.
inline constexpr int kSlotPictureWidth = 160;
inline constexpr int kSlotPictureHeight = 190;

class WordPage {
  public:
    static constexpr int kSlots = 8;
    static constexpr int kStep = 4;

    WordPage() = default;
    // With `scrolls` (the presentation itself) the arrows show when the
    // words do not fit; the drills never scroll.
    WordPage(int wordCount, bool scrolls);

    int WordCount() const { return wordCount_; }
    int FirstShown() const { return firstShown_; }
    // The last position shown: FirstShown + 7, or the last word.
    int LastShown() const;
    bool UpShown() const { return upShown_; }
    bool DownShown() const { return downShown_; }

    // Back to the first eight words, the down arrow showing when there are
    // more.
    void ShowFirst();
    // The arrows: four words on or back (never before the first word).
    void Down();
    void Up();

  private:
    // What showing the page does to the arrows: a page that runs past the
    // last word hides both.
    void Shown();

    int wordCount_ = 0;
    bool scrolls_ = false;
    int firstShown_ = 1;
    bool upShown_ = false;
    bool downShown_ = false;
};

// Play-all: Start gives the first position to play; each end of a play
// gives the next one (after scrolling the page when it lies below the last
// slot), or 0 when the run is over.
class PlayAllRun {
  public:
    int Start(WordPage& page);
    int Step(WordPage& page);
    int Index() const { return index_; }

  private:
    int index_ = 0;
};

std::array<std::pair<int, int>, WordPage::kSlots> SlotGridPlaces();

} // namespace lumora
