#include "key_cursor.h"

#include <algorithm>

namespace lumora {

KeyStep AlongList(KeyStep step) {
    switch (step) {
    case KeyStep::Up:
    case KeyStep::Left:
        return KeyStep::Previous;
    case KeyStep::Down:
    case KeyStep::Right:
        return KeyStep::Next;
    default:
        return step;
    }
}

GridCursor::GridCursor(int rows, int columns)
    : rows_(std::max(rows, 0)), columns_(std::max(columns, 1)) {}

void GridCursor::Set(int row, int column) {
    row_ = std::clamp(row, 0, std::max(rows_ - 1, 0));
    column_ = std::clamp(column, 0, columns_ - 1);
}

bool GridCursor::Move(KeyStep step) {
    if (Empty()) {
        return false;
    }
    const int before = Index();
    const int last = rows_ * columns_ - 1;
    switch (step) {
    case KeyStep::Up:
        Set(row_ - 1, column_);
        break;
    case KeyStep::Down:
        Set(row_ + 1, column_);
        break;
    case KeyStep::Left:
        Set(row_, column_ - 1);
        break;
    case KeyStep::Right:
        Set(row_, column_ + 1);
        break;
    case KeyStep::Next:
        SetIndex(std::min(before + 1, last));
        break;
    case KeyStep::Previous:
        SetIndex(std::max(before - 1, 0));
        break;
    case KeyStep::First:
        SetIndex(0);
        break;
    case KeyStep::Last:
        SetIndex(last);
        break;
    }
    return Index() != before;
}

} // namespace lumora
