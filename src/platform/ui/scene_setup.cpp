#include "scene_setup.h"

#include "platform/scene_scale.h"

#include <QScreen>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace lumora {
namespace {

constexpr const char* kScaleVariable = "LUMORA_SCALE";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// A Wayland desktop that also runs XWayland gets the X11 path, where the
// stage's child windows, focus and placement behave the same under every
// window manager.
void PreferX11() {
    if (!Variable("QT_QPA_PLATFORM").empty()) {
        return;
    }
    if (!Variable("WAYLAND_DISPLAY").empty() && !Variable("DISPLAY").empty()) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

std::string FactorText(double factor) {
    std::ostringstream text;
    text << factor;
    return text.str();
}

// The program's factor replaces the desktop's: layouts are in pixels at 96
// pixels per inch, so the desktop's scaling or font resolution would only
// make them larger by accident.
void UseFactor(double factor) {
    ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    ::setenv("QT_FONT_DPI", "96", 1);
    ::unsetenv("QT_SCREEN_SCALE_FACTORS");
    ::unsetenv("QT_SCALE_FACTOR_ROUNDING_POLICY");
    if (factor == 1) {
        ::unsetenv("QT_SCALE_FACTOR");
    } else {
        ::setenv("QT_SCALE_FACTOR", FactorText(factor).c_str(), 1);
    }
}

bool WillUseX11() {
    const std::string platform = Variable("QT_QPA_PLATFORM");
    return platform.empty() ? Variable("WAYLAND_DISPLAY").empty() : platform.rfind("xcb", 0) == 0;
}

} // namespace

ScenePlan PlanScene(const std::string& asked) {
    PreferX11();
    ScenePlan plan;
    const std::string wanted = !asked.empty() ? asked : Variable(kScaleVariable);
    plan.asked = !wanted.empty();
    if (WillUseX11()) {
        plan.screen = ProbeX11Screen();
    }
    if (plan.screen) {
        const SceneScaleChoice choice =
            ChooseSceneScale(wanted, plan.screen->width, plan.screen->height);
        plan.factor = choice.factor;
        plan.error = choice.error;
    } else if (!wanted.empty()) {
        // Without a screen size yet, a factor asked for is taken as it is and
        // checked against the screen once the toolkit is up.
        const std::optional<double> factor = ParseScale(wanted);
        plan.factor = factor.value_or(1);
        if (!factor) {
            plan.error = ChooseSceneScale(wanted, 0, 0).error;
        }
    }
    UseFactor(plan.factor);
    return plan;
}

DeviceScreen DeviceScreenOf(const QScreen& screen) {
    const qreal ratio = screen.devicePixelRatio();
    return {static_cast<int>(std::lround(screen.size().width() * ratio)),
            static_cast<int>(std::lround(screen.size().height() * ratio))};
}

void RestartAtFittingScale(const ScenePlan& plan, const DeviceScreen& screen, char** argv) {
    if (plan.screen || plan.asked) {
        return;
    }
    const double fitting = FittingScale(screen.width, screen.height);
    if (fitting <= 1 || fitting == plan.factor) {
        return;
    }
    ::setenv(kScaleVariable, FactorText(fitting).c_str(), 1);
    ::execv("/proc/self/exe", argv);
}

} // namespace lumora
