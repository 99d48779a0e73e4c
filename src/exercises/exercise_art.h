#pragma once
// The pictures that belong to the exercise screens' design rather than to a
// course: the transport track and knob, and the three marks drawn before an
// answer (not chosen, chosen, chosen wrongly), each 21 x 21; and the content
// area's scroll arrows.
#include <QImage>

namespace lumora {

inline constexpr int kAnswerMarkSize = 21;

QImage TrackArt();
QImage KnobArt();
QImage UncheckedMarkArt();
QImage CheckedMarkArt();
QImage CrossedMarkArt();

// A scroll arrow of the content area: the course's arrow strip from the
// shared button list, or a drawn arrow while the list lacks it.
QImage ScrollArrowPicture(bool up);

} // namespace lumora
