#pragma once
// Fontconfig reads its configuration and font caches the first time a font is
// asked for, which the first screen with text does in the middle of start-up.
// Starting that work on a thread of its own lets it run beside the loading of
// the course and the making of the first screens instead.
namespace lumora {

// Starts reading the font configuration in the background; call it once,
// early in start-up, on the thread that makes the screens.
void StartFontWarmUp();

// Waits for a warm-up still running, so that Qt, asking for its first font,
// finds the configuration loaded rather than reading a second copy beside
// it. Cheap once the warm-up has ended; MakeFont calls it.
void FinishFontWarmUp();

} // namespace lumora
