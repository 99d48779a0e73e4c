#include "word_search.h"

#include "platform/text_helpers.h"

#include <algorithm>

namespace lumora {

WordSearch::WordSearch(WordSearchPuzzle puzzle) : puzzle_(std::move(puzzle)) {
    Reset();
}

void WordSearch::Reset() {
    const std::size_t cells = static_cast<std::size_t>(Rows() * Columns());
    red_.assign(cells, false);
    used_.assign(cells, false);
    wordFound_.assign(puzzle_.words.size(), false);
    frames_.assign(puzzle_.words.size(), std::nullopt);
    start_.reset();
    feedback_ = false;
    found_ = 0;
    attempts_ = 0;
    wordsLeftShown_ = WordCount();
}

std::size_t WordSearch::Index(int row, int column) const {
    return static_cast<std::size_t>((row - 1) * Columns() + (column - 1));
}

const std::string& WordSearch::Letter(int row, int column) const {
    return puzzle_.grid.at(static_cast<std::size_t>(row - 1))
        .at(static_cast<std::size_t>(column - 1));
}

bool WordSearch::Red(int row, int column) const {
    return red_.at(Index(row, column));
}

bool WordSearch::Used(int row, int column) const {
    return used_.at(Index(row, column));
}

bool WordSearch::InGrid(int x, int y) const {
    return x >= 0 && x <= kWordSearchCellWidth * Columns() && y > 0 &&
           y <= kWordSearchCellHeight * Rows();
}

std::optional<GridCell> WordSearch::CellAt(int x, int y) const {
    if (!InGrid(x, y)) {
        return std::nullopt;
    }
    // The far edges of the area belong to the last column and row.
    return GridCell{std::min(y / kWordSearchCellHeight + 1, Rows()),
                    std::min(x / kWordSearchCellWidth + 1, Columns())};
}

WordSearchStep WordSearch::Click(GridCell cell) {
    if (feedback_ || cell.row < 1 || cell.row > Rows() || cell.column < 1 ||
        cell.column > Columns()) {
        return {};
    }
    red_[Index(cell.row, cell.column)] = true;
    if (!start_) {
        start_ = cell;
        return {true, false, 0};
    }
    return {true, true, Judge(cell)};
}

std::vector<GridCell> WordSearch::Between(GridCell a, GridCell b) const {
    std::vector<GridCell> cells;
    if (a.row == b.row) {
        for (int c = std::min(a.column, b.column); c <= std::max(a.column, b.column); ++c) {
            cells.push_back({a.row, c});
        }
    } else if (a.column == b.column) {
        for (int r = std::min(a.row, b.row); r <= std::max(a.row, b.row); ++r) {
            cells.push_back({r, a.column});
        }
    }
    return cells;
}

int WordSearch::Lookup(const std::string& text) const {
    const std::string wanted = LowerAZ(text);
    for (std::size_t i = 0; i < puzzle_.words.size(); ++i) {
        // A word already found is not found a second time.
        if (!wordFound_[i] && LowerAZ(puzzle_.words[i]) == wanted) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

int WordSearch::Judge(GridCell end) {
    const GridCell start = *start_;
    feedback_ = true;
    ++attempts_;
    if (Used(start.row, start.column) && Used(end.row, end.column)) {
        return 0;
    }
    const std::vector<GridCell> cells = Between(start, end);
    std::string text;
    for (const auto& c : cells) {
        text += Letter(c.row, c.column);
    }
    const int word = cells.empty() ? 0 : Lookup(text);
    if (word == 0) {
        return 0;
    }
    ++found_;
    wordFound_[static_cast<std::size_t>(word - 1)] = true;
    used_[Index(start.row, start.column)] = true;
    used_[Index(end.row, end.column)] = true;
    const GridCell first = cells.front();
    const int length = static_cast<int>(cells.size());
    const bool across = start.row == end.row;
    frames_[static_cast<std::size_t>(word - 1)] =
        FrameRect{kWordSearchGridLeft + kWordSearchCellWidth * (first.column - 1),
                  kWordSearchGridTop + kWordSearchCellHeight * (first.row - 1),
                  kWordSearchCellWidth * (across ? length : 1),
                  kWordSearchCellHeight * (across ? 1 : length)};
    for (const auto& c : cells) {
        red_[Index(c.row, c.column)] = true;
    }
    return word;
}

bool WordSearch::EndFeedback() {
    if (!feedback_) {
        return false;
    }
    red_.assign(red_.size(), false);
    start_.reset();
    feedback_ = false;
    wordsLeftShown_ = WordCount() - found_;
    return found_ == WordCount();
}

bool WordSearch::FrameShown(int word) const {
    return word >= 1 && word <= WordCount() &&
           frames_[static_cast<std::size_t>(word - 1)].has_value();
}

FrameRect WordSearch::Frame(int word) const {
    return FrameShown(word) ? *frames_[static_cast<std::size_t>(word - 1)] : FrameRect{};
}

std::string WordSearch::WordsLeftText() const {
    return "Wyrazów do odnalezienia: " + std::to_string(wordsLeftShown_);
}

std::string WordSearch::AttemptsText() const {
    return "Próby: " + std::to_string(attempts_);
}

} // namespace lumora
