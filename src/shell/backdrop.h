#pragma once
// The black backdrop behind the 800 x 600 screens: it covers the whole
// display, so nothing of the desktop shows around them, and takes no input.
// Once shown it is the stage that holds every screen.
#include "platform/ui/black_window.h"
#include "platform/ui/stage.h"

#include <functional>
#include <memory>

namespace lumora {

class TPodkladForm : public BlackWindow {
  public:
    TPodkladForm();
    // Covers the screen, shows the backdrop and makes it the stage of the
    // screens shown after it.
    void ShowBehind();
    // Takes the whole geometry of the screen the backdrop is on. The size is
    // set here rather than left to a full-screen request, which only a window
    // manager carries out.
    void CoverScreen();

    // What a close of the backdrop by the window system does (its close
    // button, Alt+F4): the program does not simply vanish.
    std::function<void()> OnCloseRequest;

  private:
    std::unique_ptr<Stage> stage_;
};

} // namespace lumora
