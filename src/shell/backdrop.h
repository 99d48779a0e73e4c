#pragma once
// The black backdrop behind the 800 x 600 screens: it covers the whole
// display, so nothing of the desktop shows around them, and takes no input.
#include <QWidget>

namespace lumora {

class TPodkladForm : public QWidget {
  public:
    TPodkladForm();
    // Covers the screen and shows the backdrop beneath the other windows.
    void ShowBehind();
    // Lets the window system map and expose the shown backdrop and paints
    // it, for at most maxMs milliseconds (a window manager may take its
    // time), so the screen is black before the rest of start-up runs.
    void WaitUntilPainted(int maxMs = 50);
    // Takes the whole geometry of the screen the backdrop is on. The size is
    // set here rather than left to a full-screen request, which only a window
    // manager carries out.
    void CoverScreen();
};

} // namespace lumora
