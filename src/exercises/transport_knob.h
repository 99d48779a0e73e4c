#pragma once
// The position knob of the transport bar: the track is one pixel wide per
// seek step of the sound service, so the knob's offset on
// the track is both what is shown and where a seek goes.
#include "sound/sound_service.h"

#include <cstdint>

namespace lumora {

inline constexpr int kTrackWidth = kTrackSteps;
inline constexpr int kTrackHeight = 10;
inline constexpr int kKnobWidth = 9;
inline constexpr int kKnobHeight = 17;

// The knob's offset on the track for a player at `position` of `length`
// milliseconds, rounded to the nearest pixel (halves to the even one) and kept
// on the track; 0 while the length is unknown.
int KnobOffset(std::int64_t position, std::int64_t length);

// The knob's left edge when dragged to `wanted`, kept between the start and
// the end of the track.
int ClampKnob(int wanted, int trackLeft, int trackWidth);

} // namespace lumora
