#pragma once
// Where Tab and the arrows take the focus among places on a screen.
#include <QRect>

#include <vector>

namespace lumora {

// The order Tab visits places: rows from top to bottom, left to right within
// a row. A place whose top lies above the middle of a row's first place
// belongs to that row.
std::vector<int> ReadingOrder(const std::vector<QRect>& places);

// The place an arrow key moves to from places[from]: the nearest one whose
// middle lies that way, nearness along the arrow counting half as much as
// nearness across it; -1 when none lies that way or the key is not an arrow.
int NearestInDirection(const std::vector<QRect>& places, int from, int key);

} // namespace lumora
