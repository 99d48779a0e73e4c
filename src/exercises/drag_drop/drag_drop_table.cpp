#include "drag_drop_table.h"

#include <algorithm>

namespace lumora {
namespace {

void Default(int& value, int fallback) {
    if (value == 0) {
        value = fallback;
    }
}

} // namespace

int ColumnWidth(const std::vector<int>& textWidths) {
    const auto widest = std::max_element(textWidths.begin(), textWidths.end());
    return (widest == textWidths.end() ? 0 : *widest) + kColumnPadding;
}

Edges TableGeometry::DropArea(int c) const {
    const int l = left + (c - 1) * columnWidth - 3;
    return {l, top, l + columnWidth, top + kTableRowHeight * (rows + 1)};
}

Place TableGeometry::CellPlace(int c, int k, LabelSize label) const {
    return {DropArea(c).left + (columnWidth - label.width) / 2 + kWordShift,
            top + kTableRowHeight * k + (kTableRowHeight - label.height) / 2};
}

Edges TableGeometry::Frame() const {
    return {left, top, left + columnWidth * columns, top + kTableRowHeight * (rows + 1)};
}

Edges TableGeometry::Cell(int c, int k) const {
    // Cells after the first start one pixel left, over the previous border.
    const int l = c == 1 ? left : left + (c - 1) * columnWidth - 1;
    const int t = top + kTableRowHeight * k;
    return {l, t, left + c * columnWidth, t + kTableRowHeight};
}

Place TableGeometry::HeaderText(int c, int textWidth) const {
    return {left + (c - 1) * columnWidth + (columnWidth - textWidth) / 2, top + 3};
}

Place TableGeometry::WarningPicture(int c, int k) const {
    return {DropArea(c).left, top + kTableRowHeight * k};
}

Edges TableGeometry::WarningSquare(int c, int k) const {
    const int l = DropArea(c).left;
    const int t = top + kTableRowHeight * k - 1;
    return {l, t, l + kWarningSize, t + kWarningSize};
}

std::vector<Place> LayOutPool(const std::vector<LabelSize>& labels, Place origin, int poolWidth) {
    std::vector<Place> places;
    int x = 0;
    int y = origin.top;
    for (const auto& label : labels) {
        if (x + label.width > poolWidth) {
            x = 0;
            y += label.height;
        }
        places.push_back({origin.left + x, y});
        x += label.width + kPoolGap;
    }
    return places;
}

DragDropLayout ApplyDragDropDefaults(SteeringRow& row, int columnWidth, int columns) {
    Default(row.LayoutX[2], (660 - columnWidth * columns) / 2);
    Default(row.LayoutY[2], 240);
    Default(row.LayoutX[3], 30);
    Default(row.LayoutY[3], 140);
    return {{row.LayoutX[2], row.LayoutY[2]}, {row.LayoutX[3], row.LayoutY[3]}, row.LayoutX[4]};
}

} // namespace lumora
