#pragma once
// The state of a drag-and-drop exercise once its words are shuffled and
// measured: where each word lies (pool or table cell), the drops, the check
// with its warnings and the solution, and the counters for the result.
// Words are numbered from 0 in their shuffled order; columns and body rows
// from 1, as in the content.
#include "drag_drop_content.h"
#include "drag_drop_table.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace lumora {

class DragDropBoard {
  public:
    // words, labels and homes are parallel: the shuffled words, their label
    // sizes and their places in the pool.
    DragDropBoard(std::vector<TableWord> words, std::vector<LabelSize> labels,
                  std::vector<Place> homes, const TableGeometry& table);

    // A drag of word w starts: counted, unless the exercise is checked (then
    // nothing can be dragged and false is returned).
    bool StartDrag(int w);
    // Word w is dropped with the drop point (form pixels): it leaves its cell,
    // and the first column whose area holds the point and has a free row takes
    // it into its topmost free row; otherwise it goes home. Ignored once
    // checked. Returns the word's place.
    Place Drop(int w, Place point);

    // Marks the words: wrong ones go home leaving their text as a warning in
    // their cell, then every word not in its column is moved into the topmost
    // free row of its column (where there is one). Returns whether all were
    // right. Does nothing the second time.
    bool Check();

    // The warning text under the pointer once checked, or empty.
    std::string WarningAt(Place pointer) const;

    int Count() const { return static_cast<int>(words_.size()); }
    const TableWord& Word(int w) const { return words_.at(static_cast<std::size_t>(w)); }
    Place Position(int w) const { return places_.at(static_cast<std::size_t>(w)); }
    Place Home(int w) const { return homes_.at(static_cast<std::size_t>(w)); }
    LabelSize Label(int w) const { return labels_.at(static_cast<std::size_t>(w)); }
    // The column word w lies in; 0 in the pool.
    int ColumnOf(int w) const { return columnOf_.at(static_cast<std::size_t>(w)); }
    // The word in column c, body row k, or -1.
    int CellWord(int c, int k) const { return cells_[Index(c, k)]; }
    const std::string& WarningText(int c, int k) const { return warnings_[Index(c, k)]; }
    const TableGeometry& Table() const { return table_; }

    bool Evaluated() const { return evaluated_; }
    int DragCount() const { return dragCount_; }
    int RightCount() const { return rightCount_; }
    int WrongCount() const { return wrongCount_; }
    int Points() const { return 5 * rightCount_; }

  private:
    static constexpr int kCells = kMaxTableColumns * (kMaxTableRows + 1);
    static std::size_t Index(int c, int k);

    // The topmost free body row of column c, or 0 when it is full.
    int FreeRow(int c) const;
    void Put(int w, int c, int k);
    void Leave(int w);
    void SendHome(int w);

    std::vector<TableWord> words_;
    std::vector<LabelSize> labels_;
    std::vector<Place> homes_;
    std::vector<Place> places_;
    std::vector<int> columnOf_;
    std::vector<int> rowOf_;
    TableGeometry table_;
    std::array<int, kCells> cells_{};
    std::array<std::string, kCells> warnings_{};
    bool evaluated_ = false;
    int dragCount_ = 0;
    int rightCount_ = 0;
    int wrongCount_ = 0;
};

// The size of a word's label on the screen (Arial 10 pt).
using LabelMeasure = std::function<LabelSize(const std::string& text)>;

// A fresh exercise from the content, its words in the order given (the screen
// shuffles them first): the column width from every header and word label,
// the lesson row's defaults (written into the row), and the pool.
DragDropBoard SetUpBoard(const DragDropContent& content, SteeringRow& row,
                         const LabelMeasure& measure);

} // namespace lumora
