#pragma once
// The pictures that belong to the information screen's design: the two inline
// icons of the help texts (57 x 34) and the scroll arrows (34 x 34).
#include <QImage>

namespace lumora {

class TMyImageList;

inline constexpr int kHelpIconWidth = 57;
inline constexpr int kHelpIconHeight = 34;
inline constexpr int kScrollArrowSize = 34;

// A button as a help text shows it inline: the resting frame of its strip,
// centred on a transparent 57 x 34 ground, so the text shows the very button
// the screens have. The fallback when the list holds no such strip.
QImage InlineButtonIcon(const TMyImageList& list, int index, const QImage& fallback);

// Drawn stand-ins for a course without button strips: the help button (a
// question mark on a key) and the loudspeaker button.
QImage HelpIconArt();
QImage SpeakerIconArt();
// A scroll arrow pointing up or down.
QImage ScrollArrowArt(bool up);

} // namespace lumora
