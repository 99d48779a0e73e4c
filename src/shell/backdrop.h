#pragma once
// The black backdrop behind the 800 x 600 screens: it covers the whole
// display, so nothing of the desktop shows around them, and takes no input.
#include "platform/ui/black_window.h"

namespace lumora {

class TPodkladForm : public BlackWindow {
  public:
    TPodkladForm();
    // Covers the screen and shows the backdrop beneath the other windows.
    void ShowBehind();
    // Takes the whole geometry of the screen the backdrop is on. The size is
    // set here rather than left to a full-screen request, which only a window
    // manager carries out.
    void CoverScreen();
};

} // namespace lumora
