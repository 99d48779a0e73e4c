#include "crossword_draw.h"

#include "platform/random.h"

#include <algorithm>
#include <utility>

namespace lumora {

std::vector<int> DrawCrosswordWords(const std::vector<CrosswordLine>& lines) {
    Randomize();
    const int count = static_cast<int>(lines.size());
    std::vector<bool> drawn(lines.size(), false);
    for (int length = kCrosswordShortestWord; length <= kCrosswordLongestWord; ++length) {
        const bool present = std::any_of(lines.begin(), lines.end(),
                                         [length](const auto& l) { return l.length == length; });
        if (!present) {
            continue;
        }
        int pick = 0;
        do {
            pick = Random(count);
        } while (lines[static_cast<std::size_t>(pick)].length != length);
        drawn[static_cast<std::size_t>(pick)] = true;
    }
    std::vector<int> picked;
    for (int i = 0; i < count; ++i) {
        if (drawn[static_cast<std::size_t>(i)]) {
            picked.push_back(i);
        }
    }
    return picked;
}

void ShuffleCrosswordRows(std::vector<int>& rowWords) {
    Randomize();
    const int n = static_cast<int>(rowWords.size());
    // Two different rows are needed for an exchange.
    if (n < 2) {
        return;
    }
    for (int k = 0; k < n; ++k) {
        int a = 0, b = 0;
        do {
            a = Random(n);
            b = Random(n);
        } while (a == b);
        std::swap(rowWords[static_cast<std::size_t>(a)], rowWords[static_cast<std::size_t>(b)]);
    }
}

std::vector<int> PlaceCrosswordPictures(int n) {
    Randomize();
    std::vector<int> place(static_cast<std::size_t>(std::max(n, 0)), -1);
    for (int j = 0; j < n; ++j) {
        int picture = 0;
        do {
            picture = Random(n);
        } while (place[static_cast<std::size_t>(picture)] >= 0);
        place[static_cast<std::size_t>(picture)] = j;
    }
    return place;
}

int CrosswordRowsTop(int n) {
    return (220 - 22 * n) / 2 + 140;
}

RowGeometry CrosswordRowGeometry(int n, int k, int length) {
    RowGeometry g;
    g.top = CrosswordRowsTop(n) + kSquare * k;
    g.left = 290 + kSquare * Random(4);
    g.width = kSquare * length + 1;
    return g;
}

} // namespace lumora
