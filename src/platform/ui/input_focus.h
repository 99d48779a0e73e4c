#pragma once
// Gives a window the keyboard focus now. Under X11 the server is asked
// directly with the current time: a child window's own request carries the
// time of the last event the program saw, which the server ignores when the
// focus has moved since (a window manager or another program gave the focus
// to the top-level window).
class QWidget;

namespace lumora {

void GiveInputFocus(QWidget& window);

} // namespace lumora
