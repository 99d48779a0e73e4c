#pragma once
// Fontconfig reads its configuration and font caches the first time a font is
// asked for, which the first screen with text does in the middle of start-up.
// Starting that work on a thread of its own lets it run beside the loading of
// the course and the making of the screens instead.
namespace lumora {

// Starts reading the font configuration in the background; call it once,
// early in start-up. Qt later finds the configuration loaded (should it ask
// first, it loads the configuration itself and the warm-up's work is lost).
void StartFontWarmUp();

} // namespace lumora
