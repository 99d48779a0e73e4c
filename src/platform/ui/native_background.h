#pragma once
// A window whose X server background is black shows black the moment it is
// mapped, before the program has painted anything into it.
#include <QWidget>

namespace lumora {

// Makes the window's native window now and gives it a black server-side
// background. Only under X11; elsewhere the window keeps the platform's
// default and is black from its first paint.
void FillBlackWhenMapped(QWidget& window);

} // namespace lumora
