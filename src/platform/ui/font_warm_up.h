#pragma once
// Fontconfig reads its configuration and font caches the first time a font is
// asked for, which the first screen with text does in the middle of start-up.
// Starting that work on a thread of its own before the application object
// exists lets it run beside the window system's set-up instead.
namespace lumora {

// Starts reading the font configuration in the background; call it once,
// before the QApplication is made. Qt later finds the configuration loaded.
void StartFontWarmUp();

} // namespace lumora
