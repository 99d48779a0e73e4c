#pragma once
// The pictures that belong to the information screen's design: the two inline
// icons of the help texts (57 x 34) and the scroll arrows (34 x 34).
#include <QImage>

namespace lumora {

inline constexpr int kHelpIconWidth = 57;
inline constexpr int kHelpIconHeight = 34;
inline constexpr int kScrollArrowSize = 34;

// The help button as a help text shows it: a question mark on a round key.
QImage HelpIconArt();
// The loudspeaker button as a help text shows it.
QImage SpeakerIconArt();
// A scroll arrow pointing up or down.
QImage ScrollArrowArt(bool up);

} // namespace lumora
