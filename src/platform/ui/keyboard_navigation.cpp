#include "keyboard_navigation.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace lumora {

std::vector<int> ReadingOrder(const std::vector<QRect>& places) {
    std::vector<int> byTop(places.size());
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(), [&places](int a, int b) {
        const QRect& pa = places[static_cast<std::size_t>(a)];
        const QRect& pb = places[static_cast<std::size_t>(b)];
        return pa.top() != pb.top() ? pa.top() < pb.top() : pa.left() < pb.left();
    });
    std::vector<int> order;
    order.reserve(places.size());
    std::size_t rowStart = 0;
    while (rowStart < byTop.size()) {
        const int middle = places[static_cast<std::size_t>(byTop[rowStart])].center().y();
        std::size_t rowEnd = rowStart + 1;
        while (rowEnd < byTop.size() &&
               places[static_cast<std::size_t>(byTop[rowEnd])].top() <= middle) {
            ++rowEnd;
        }
        std::vector<int> row(byTop.begin() + static_cast<std::ptrdiff_t>(rowStart),
                             byTop.begin() + static_cast<std::ptrdiff_t>(rowEnd));
        std::stable_sort(row.begin(), row.end(), [&places](int a, int b) {
            return places[static_cast<std::size_t>(a)].left() <
                   places[static_cast<std::size_t>(b)].left();
        });
        order.insert(order.end(), row.begin(), row.end());
        rowStart = rowEnd;
    }
    return order;
}

int NearestInDirection(const std::vector<QRect>& places, int from, int key) {
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return -1;
    }
    if (from < 0 || from >= static_cast<int>(places.size())) {
        return -1;
    }
    const QPoint start = places[static_cast<std::size_t>(from)].center();
    int best = -1;
    long bestScore = std::numeric_limits<long>::max();
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        const QPoint c = places[static_cast<std::size_t>(i)].center();
        const long along =
            static_cast<long>(c.x() - start.x()) * dx + static_cast<long>(c.y() - start.y()) * dy;
        if (i == from || along <= 0) {
            continue;
        }
        const long across = dx != 0 ? std::labs(c.y() - start.y()) : std::labs(c.x() - start.x());
        const long score = along + 2 * across;
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

} // namespace lumora
