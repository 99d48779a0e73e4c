#include "program.h"

#include "course/display_check.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/single_instance.h"
#include "platform/ui/font_warm_up.h"
#include "platform/ui/ui_setup.h"
#include "screen_roster.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

namespace lumora {
namespace {

// Shows the display messages; false when the program must end.
bool DisplayIsUsable() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return false;
    }
    const DisplayCheck check = CheckDisplay(screen->size().width(), screen->size().height(),
                                            qRound(screen->logicalDotsPerInch()));
    if (!check.large) {
        ShowMessage(kDisplayTooSmallMessage);
        return false;
    }
    if (!check.standardDpi) {
        ShowMessage(kDpiWarningMessage);
    }
    return true;
}

} // namespace

ProgramArguments ParseProgramArguments(int argc, char** argv) {
    ProgramArguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc) {
            args.dataRoot = argv[++i];
        } else if (a.rfind("--data=", 0) == 0) {
            args.dataRoot = a.substr(7);
        } else {
            args.ok = false;
        }
    }
    return args;
}

int RunProgram(int argc, char** argv) {
    const ProgramArguments args = ParseProgramArguments(argc, argv);
    if (!args.ok) {
        std::fprintf(stderr, "usage: lumora [--data COURSE_FOLDER]\n");
        return 2;
    }
    // A second copy ends at once, without a window or a message.
    SingleInstanceLock lock(SingleInstanceLock::DefaultPlaces());
    if (lock.Result() == SingleInstanceLock::State::OtherCopy) {
        return 0;
    }
    StartFontWarmUp();
    QApplication app(argc, argv);
    SetUpUserInterface();
    if (lock.Result() == SingleInstanceLock::State::Unavailable) {
        ShowMessage(kNoLockMessage);
    }
    StartupOptions startup;
    startup.dataRoot = ChooseDataRoot(args.dataRoot);
    startup.userDataFolder = DefaultUserDataFolder();
    auto screens = CreateScreens(startup);
    if (!DisplayIsUsable()) {
        return 0;
    }
    screens->PodkladForm->ShowBehind();
    screens->Form9->ShowModal();
    if (!screens->Form9->LoggedIn()) {
        return 0;
    }
    screens->Form1->PicturesReady = false;
    screens->Form1->Show();
    return app.exec();
}

} // namespace lumora
