#include "sound_set_choice.h"

namespace lumora {

int ChosenSoundSet(const std::array<bool, 4>& ticked, int current) {
    for (int k = 3; k >= 0; --k) {
        if (ticked[static_cast<std::size_t>(k)]) {
            return k + 1;
        }
    }
    return current;
}

} // namespace lumora
