#pragma once
// Chooses how the scene is drawn before the toolkit starts: the window system
// to use and the one scale factor for everything, in device pixels, whatever
// the desktop's own scaling or font resolution says.
#include "display_probe.h"

#include <optional>
#include <string>

class QScreen;

namespace lumora {

struct ScenePlan {
    double factor = 1;
    // The screen in device pixels, when it could be read before the toolkit
    // started (an X display); otherwise it is read from the toolkit's screen.
    std::optional<DeviceScreen> screen;
    bool asked = false; // by --scale or LUMORA_SCALE
    std::string error;  // the factor asked for cannot be used
};

// Picks the window system (X11, through XWayland on a Wayland desktop that
// has it) and the factor (asked: --scale or LUMORA_SCALE, empty for the
// fitting one), and sets the toolkit's environment for them. Call it before
// the QApplication is made.
ScenePlan PlanScene(const std::string& asked);

// The screen in device pixels as the toolkit sees it.
DeviceScreen DeviceScreenOf(const QScreen& screen);

// Without a screen size before the start (a Wayland session without
// XWayland), the factor can only be chosen once the toolkit is up: starts the
// program again with the fitting factor and does not return, when that factor
// differs from the one in use. Returns otherwise.
void RestartAtFittingScale(const ScenePlan& plan, const DeviceScreen& screen, char** argv);

} // namespace lumora
