#include "transport_knob.h"

#include <algorithm>
#include <cmath>

namespace lumora {

int KnobOffset(std::int64_t position, std::int64_t length) {
    if (length <= 0) {
        return 0;
    }
    const double offset =
        std::nearbyint(static_cast<double>(position) / static_cast<double>(length) * kTrackWidth);
    return static_cast<int>(std::clamp(offset, 0.0, static_cast<double>(kTrackWidth)));
}

int ClampKnob(int wanted, int trackLeft, int trackWidth) {
    return std::clamp(wanted, trackLeft, trackLeft + trackWidth);
}

} // namespace lumora
