#pragma once
// The one shuffle of the exercises: a number of exchanges of two positions,
// each pair drawn with the program's generator and drawn again while the two
// are equal. Screens that must know where an item went after the shuffle
// follow its index through the exchanges.
#include <functional>

namespace lumora {

// Draws `swaps` pairs of distinct positions in 0 .. count - 1 from the
// current state of the generator and hands each pair to `exchange`. With
// fewer than two positions nothing is drawn, since no two could differ.
void SwapShuffle(int count, int swaps, const std::function<void(int a, int b)>& exchange);

// Where an item at `index` is after positions a and b were exchanged.
int FollowSwap(int index, int a, int b);

} // namespace lumora
