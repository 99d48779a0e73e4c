#pragma once
// The rules of the word search: the letter grid, the two-click selection, the
// lookup in the word list, the frames around found words and the counters.
//
// How a screen drives it:
// - Opening: `ReadWordSearch(course, CurrentContent)`; a fault is shown with
//   its file and line and the screen stays closed. Otherwise it makes a
//   WordSearch of the puzzle (which starts reset) and shows itself.
// - DxRamkaPaint draws Letter(r, c) in red when Red(r, c), else black, at
//   29 x 26 pixel cells. The cursor is the hand while InGrid(x, y).
// - DxRamkaMouseDown: CellAt(x, y), then Click(cell). An accepted click plays
//   "wav\click.wav" at once (no wait) and repaints. When the step says the
//   selection was judged, the screen updates Label2 with AttemptsText(),
//   shows frame i (shp_i) at Frame(i) while FrameShown(i), repaints, waits
//   kWordSearchPause ms handling events (clicks meanwhile are refused by
//   Click: the pause's end empties the selection, so a cell clicked in it
//   would turn red and be forgotten), then calls EndFeedback(), updates Label1 with WordsLeftText()
//   and repaints; when EndFeedback returns true it shows "Congratulazione!!!".
// - The word search gives no points and has no result box.
#include "word_search_file.h"

#include <optional>
#include <string>
#include <vector>

namespace lumora {

inline constexpr int kWordSearchCellWidth = 29;
inline constexpr int kWordSearchCellHeight = 26;
inline constexpr int kWordSearchGridLeft = 44; // DxRamka on the screen
inline constexpr int kWordSearchGridTop = 52;
inline constexpr int kWordSearchPause = 400;
inline constexpr const char* kWordSearchDoneMessage = "Congratulazione!!!";

struct GridCell {
    int row = 0;    // 1-based
    int column = 0; // 1-based
    bool operator==(const GridCell&) const = default;
};

struct FrameRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const FrameRect&) const = default;
};

struct WordSearchStep {
    bool accepted = false; // play the click sound and repaint
    bool judged = false;   // the second cell: counters changed, pause follows
    int found = 0;         // the number of the word found (1-based), or 0
};

class WordSearch {
  public:
    explicit WordSearch(WordSearchPuzzle puzzle);

    // Back to the start: nothing selected, found or counted.
    void Reset();

    int Columns() const { return puzzle_.columns; }
    int Rows() const { return puzzle_.rows; }
    int WordCount() const { return static_cast<int>(puzzle_.words.size()); }
    const std::vector<std::string>& Words() const { return puzzle_.words; }
    const std::string& Letter(int row, int column) const;
    bool Red(int row, int column) const;
    bool Used(int row, int column) const;

    // The grid area of DxRamka (x, y relative to it).
    bool InGrid(int x, int y) const;
    std::optional<GridCell> CellAt(int x, int y) const;

    // The first click starts a selection, the second ends and judges it.
    // Refused while the feedback of the last selection lasts.
    WordSearchStep Click(GridCell cell);
    bool InFeedback() const { return feedback_; }
    // Ends the feedback: every letter black again, the selection emptied.
    // True when every word has been found.
    bool EndFeedback();

    bool FrameShown(int word) const;
    // The frame around found word i, on the screen.
    FrameRect Frame(int word) const;

    int FoundCount() const { return found_; }
    int Attempts() const { return attempts_; }
    std::string WordsLeftText() const;
    std::string AttemptsText() const;

  private:
    std::size_t Index(int row, int column) const;
    // The cells between the two ends of a selection in one row or column, in
    // reading order; empty when the ends share neither.
    std::vector<GridCell> Between(GridCell a, GridCell b) const;
    int Lookup(const std::string& text) const;
    int Judge(GridCell end);

    WordSearchPuzzle puzzle_;
    std::vector<bool> red_, used_;
    std::vector<bool> wordFound_;
    std::vector<std::optional<FrameRect>> frames_;
    std::optional<GridCell> start_;
    bool feedback_ = false;
    int found_ = 0;
    int attempts_ = 0;
    int wordsLeftShown_ = 0;
};

} // namespace lumora
