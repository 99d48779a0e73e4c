#include "offscreen.h"

#include "platform/ui/fonts.h"

#include <QGuiApplication>

#include <cstdlib>

namespace lumora::fuzz {

void StartOffscreenGui() {
    if (QGuiApplication::instance() != nullptr) {
        return;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "lumora-fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the process
    InstallFontSubstitutions();
}

} // namespace lumora::fuzz
