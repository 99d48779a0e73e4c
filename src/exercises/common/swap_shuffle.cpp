#include "swap_shuffle.h"

#include "platform/random.h"

namespace lumora {

void SwapShuffle(int count, int swaps, const std::function<void(int a, int b)>& exchange) {
    if (count < 2) {
        return;
    }
    for (int k = 0; k < swaps; ++k) {
        int a = 0;
        int b = 0;
        do {
            a = Random(count);
            b = Random(count);
        } while (a == b);
        exchange(a, b);
    }
}

int FollowSwap(int index, int a, int b) {
    if (index == a) {
        return b;
    }
    return index == b ? a : index;
}

} // namespace lumora
