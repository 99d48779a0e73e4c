#pragma once
// The checks of the display the program makes before it shows any screen.
#include <string>

namespace lumora {

inline constexpr const char* kDisplayTooSmallMessage =
    "Program należy uruchamiać w rozdzielczości 800x600 punktów lub większej.";
struct DisplayCheck {
    bool large = true; // at least 800 x 600 device pixels
};

DisplayCheck CheckDisplay(int width, int height);

} // namespace lumora
