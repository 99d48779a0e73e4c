#pragma once
// Tooltips (hints) as the screens show them: on the light grey-blue
// background of the course and after the pause the screens were designed for.
#include "canvas.h"

#include <string>

class QWidget;

namespace lumora {

inline constexpr Rgb kHintColour{230, 233, 238};
// Milliseconds the mouse rests on a control before its hint appears.
inline constexpr int kHintPause = 500;

// Sets the hint colour and pause for the whole application.
void InstallHintStyle();

// How long a hint stays up, in milliseconds; 0 leaves it to Qt (longer for
// longer texts). A screen whose hints are read at length raises it while it
// is shown.
int HintHidePause();
void SetHintHidePause(int milliseconds);

// Shows text as a hint at the mouse pointer now, over `widget`, for the
// given milliseconds: a short answer to a key, drawn above the screen.
void ShowHintNow(QWidget& widget, const std::string& text, int milliseconds);

} // namespace lumora
