#pragma once
// The checks of the display the program makes before it shows any screen.
#include <string>

namespace lumora {

inline constexpr const char* kDisplayTooSmallMessage =
    "Program należy uruchamiać w rozdzielczości 800x600 punktów lub większej.";
inline constexpr const char* kDpiWarningMessage =
    "Program wymaga aby czcionka w systemie była ustawiona jako: \"Mała czcionka (96 dpi)\". "
    "W przeciwnym wypadku może pracować niepoprawnie.";

struct DisplayCheck {
    bool large = true;       // at least 800 x 600 pixels
    bool standardDpi = true; // 96 pixels per inch
};

DisplayCheck CheckDisplay(int width, int height, int dpi);

} // namespace lumora
