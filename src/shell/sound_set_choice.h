#pragma once
// The sound set that the options screen's four boxes stand for.
#include <array>

namespace lumora {

// Box k (0..3) stands for sound set k + 1; the highest ticked box wins, and
// with none ticked the current set stays.
int ChosenSoundSet(const std::array<bool, 4>& ticked, int current);

} // namespace lumora
