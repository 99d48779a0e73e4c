#pragma once
// Where the drag-and-drop screen puts things: the column width, the words'
// places in the pool, the table's cells, the area of each column that takes
// a dropped word, and the defaults of the lesson's layout pairs.
#include "course/course_data.h"

#include <string>
#include <vector>

namespace lumora {

inline constexpr int kTableRowHeight = 20;
inline constexpr int kColumnPadding = 18; // added to the widest text
inline constexpr int kPoolGap = 20;       // between two words in a pool row
inline constexpr int kWordShift = 9;      // words sit this far right in a cell
inline constexpr int kWarningSize = 18;   // the warning picture in a cell

struct Place {
    int left = 0;
    int top = 0;
    friend bool operator==(const Place&, const Place&) = default;
};

struct LabelSize {
    int width = 0;
    int height = 0;
};

// A rectangle given by its edges.
struct Edges {
    int left = 0, top = 0, right = 0, bottom = 0;
    // Edges included.
    bool Holds(Place p) const {
        return p.left >= left && p.left <= right && p.top >= top && p.top <= bottom;
    }
    friend bool operator==(const Edges&, const Edges&) = default;
};

// The widest header or word label, measured alike, plus the padding.
int ColumnWidth(const std::vector<int>& textWidths);

struct TableGeometry {
    int left = 0;
    int top = 0;
    int columnWidth = 0;
    int columns = 0;
    int rows = 0; // body rows

    // Column c (1..columns): from just left of the column to the right,
    // over the header and every body row.
    Edges DropArea(int c) const;
    // The place of a label of that size in column c, body row k (1..rows).
    Place CellPlace(int c, int k, LabelSize label) const;
    // The outer frame, the header cell of column c and its cell in body row k
    // (row 0 is the header), as the table is drawn.
    Edges Frame() const;
    Edges Cell(int c, int k) const;
    // Where the header text of that width starts.
    Place HeaderText(int c, int textWidth) const;
    // The warning picture of column c, body row k.
    Place WarningPicture(int c, int k) const;
    // The square of that picture the pointer shows the warning's hint over.
    Edges WarningSquare(int c, int k) const;
};

// The pool: left to right from its top-left corner, a new row (one label
// height lower) whenever a label would reach past the pool width, even
// before the first label of a row. The places are the words' home places.
std::vector<Place> LayOutPool(const std::vector<LabelSize>& labels, Place origin, int poolWidth);

// The lesson's layout: pair 3 places the table, pair 4 the pool, and pair 5's
// x is the pool width. A zero in pairs 3 and 4 is replaced in the row itself
// by its default, so the next opening keeps it.
struct DragDropLayout {
    Place table;
    Place pool;
    int poolWidth = 0;
};
DragDropLayout ApplyDragDropDefaults(SteeringRow& row, int columnWidth, int columns);

} // namespace lumora
