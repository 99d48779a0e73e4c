#pragma once
// The item of a list or the cell of a grid that the arrow keys have made
// current, without Qt: a lesson keeps one over its answers, statements, cells
// or words, moves it by the arrows and acts on it with Space or Enter. It
// stops at the edges; Next and Previous (Tab, Shift+Tab) run through the
// cells in reading order and stop at the ends too.
namespace lumora {

enum class KeyStep { Up, Down, Left, Right, Next, Previous, First, Last };

// A step of a list that runs in one line: Up and Left back, Down and Right on.
KeyStep AlongList(KeyStep step);

class GridCursor {
  public:
    GridCursor() = default;
    // A grid of rows x columns (a list is one column), the first cell current.
    GridCursor(int rows, int columns);

    // Moves one step; false at an edge (or on an empty grid), where it stays.
    bool Move(KeyStep step);
    // Makes a cell current; one outside the grid is clamped into it.
    void Set(int row, int column);
    void SetIndex(int index) { Set(index / columns_, index % columns_); }

    bool Empty() const { return rows_ == 0 || columns_ == 0; }
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    // 0-based; the index counts in reading order.
    int Row() const { return row_; }
    int Column() const { return column_; }
    int Index() const { return row_ * columns_ + column_; }

  private:
    int rows_ = 0;
    int columns_ = 1;
    int row_ = 0;
    int column_ = 0;
};

} // namespace lumora
