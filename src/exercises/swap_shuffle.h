#pragma once
// The shuffle the exercises share: a number of exchanges of two positions,
// each pair drawn from the program's generator and drawn again while the two
// are equal. The caller says how to exchange, so whatever travels with an
// item (its truth, the index of the right answer) moves along with it.
#include "platform/random.h"

namespace lumora {

// Exchanges two of `count` positions (0-based) `swaps` times. Fewer than two
// positions cannot be exchanged: nothing is drawn then.
template <class Exchange> void SwapShuffle(int count, int swaps, Exchange&& exchange) {
    if (count < 2) {
        return;
    }
    for (int k = 0; k < swaps; ++k) {
        int a = 0, b = 0;
        do {
            a = Random(count);
            b = Random(count);
        } while (a == b);
        exchange(a, b);
    }
}

} // namespace lumora
