#include "program.h"

#include "course/course_file_names.h"
#include "course/display_check.h"
#include "course/startup_loading.h"
#include "course/users_folder.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/scene_scale.h"
#include "platform/single_instance.h"
#include "platform/text_file.h"
#include "platform/ui/font_warm_up.h"
#include "platform/ui/scene_setup.h"
#include "platform/ui/ui_setup.h"
#include "screen_roster.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <optional>

namespace lumora {
namespace {

// The screen in device pixels: read before the start where the window system
// allows it, else from the toolkit's screen.
std::optional<DeviceScreen> ScreenOf(const ScenePlan& plan) {
    if (plan.screen) {
        return plan.screen;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return std::nullopt;
    }
    return DeviceScreenOf(*screen);
}

// Shows why the program cannot start on this display; false when it must end.
bool DisplayIsUsable(const ScenePlan& plan, const std::optional<DeviceScreen>& screen) {
    if (!screen) {
        return false;
    }
    if (!CheckDisplay(screen->width, screen->height).large) {
        ShowMessage(kDisplayTooSmallMessage);
        return false;
    }
    std::string error = plan.error;
    if (error.empty() && !ScaleFits(plan.factor, screen->width, screen->height)) {
        error = ScaleTooLargeMessage(plan.factor, screen->width, screen->height);
    }
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        ShowMessage(error);
        return false;
    }
    return true;
}

constexpr const char* kUsage =
    "usage: lumora [--data COURSE_FOLDER] [--users LEARNERS_FOLDER] [--scale FACTOR] [--help] "
    "[--version]\n";

// --help and --version end here, before anything needs a display.
void PrintInformation(const ProgramArguments& args) {
    if (args.version) {
        std::printf("lumora %s\n", LUMORA_VERSION);
    }
    if (args.help) {
        std::printf("%s"
                    "  --data DIR   take the course from DIR\n"
                    "  --users DIR  keep the learners (usr.t and their points) in DIR\n"
                    "  --scale F    draw the 800 x 600 screens F times larger (a multiple of\n"
                    "               0.25; 1 keeps the course's pixels); without it LUMORA_SCALE,\n"
                    "               else the largest factor that fits the screen\n"
                    "  --help       print this text and end\n"
                    "  --version    print the version and end\n"
                    "Without --data the course is taken from LUMORA_DATA, else from the\n"
                    "executable's folder when it holds a course, else from\n"
                    "../share/lumora/course beside the executable.\n"
                    "Without --users the learners are kept in LUMORA_USERS, else in the\n"
                    "folder set by users= in lumora/lumora.conf of $XDG_CONFIG_DIRS or\n"
                    "/etc/xdg, else in this account's data folder.\n",
                    kUsage);
    }
    const DataRootChoice root = ChooseDataRootWithRule(args.dataRoot);
    std::printf("course: %s (found by %s)\n", root.folder.c_str(), root.rule.c_str());
    const UsersFolderChoice users = ChooseUsersFolder(args.users);
    std::printf("learners: %s (found by %s)%s\n", users.folder.c_str(), users.rule.c_str(),
                users.chosen && !DirectoryExists(users.folder) ? " - missing" : "");
    if (!users.problem.empty()) {
        std::printf("  %s\n", users.problem.c_str());
    }
    std::printf("settings: %s%s (this account's own)\n", DefaultUserDataFolder().c_str(),
                kUserSettingsFile);
}

// Sets the learners' folder, saying what is wrong with its setting; false
// when the folder chosen is not there, and the program must end.
bool UsableUsersFolder(const std::string& option, StartupOptions& startup) {
    const UsersFolderChoice users = ChooseUsersFolder(option);
    if (!users.problem.empty()) {
        ShowMessage(users.problem);
    }
    if (users.chosen && !DirectoryExists(users.folder)) {
        ShowMessage(MissingUsersFolderMessage(users));
        return false;
    }
    startup.usersFolder = users.folder;
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
        } else if (a == "--users" && i + 1 < argc) {
            args.users = argv[++i];
        } else if (a.rfind("--users=", 0) == 0) {
            args.users = a.substr(8);
        } else if (a == "--scale" && i + 1 < argc) {
            args.scale = argv[++i];
        } else if (a.rfind("--scale=", 0) == 0) {
            args.scale = a.substr(8);
        } else if (a == "--help" || a == "-h") {
            args.help = true;
        } else if (a == "--version") {
            args.version = true;
        } else {
            args.ok = false;
        }
    }
    return args;
}

int RunProgram(int argc, char** argv) {
    const ProgramArguments args = ParseProgramArguments(argc, argv);
    if (!args.ok) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    if (args.help || args.version) {
        PrintInformation(args);
        return 0;
    }
    // A second copy ends at once, without a window or a message.
    SingleInstanceLock lock(SingleInstanceLock::DefaultPlaces());
    if (lock.Result() == SingleInstanceLock::State::OtherCopy) {
        return 0;
    }
    ReportFileSizeLimitAsSaveFailure();
    const ScenePlan scene = PlanScene(args.scale);
    QApplication app(argc, argv);
    SetUpUserInterface();
    if (lock.Result() == SingleInstanceLock::State::Unavailable) {
        ShowMessage(kNoLockMessage);
    }
    // The display is checked before any window appears. The backdrop comes
    // first, so the learner sees the program start while the course loads and
    // the other screens are made; it then takes its place in the roster.
    const std::optional<DeviceScreen> screen = ScreenOf(scene);
    if (!DisplayIsUsable(scene, screen)) {
        return 0;
    }
    RestartAtFittingScale(scene, *screen, argv);
    auto backdrop = std::make_unique<TPodkladForm>();
    backdrop->ShowBehind();
    // The fonts the login needs warm up beside the course loading; started
    // earlier, the warm-up would hold up the backdrop on a busy machine.
    StartFontWarmUp();
    StartupOptions startup;
    startup.dataRoot = ChooseDataRoot(args.dataRoot);
    startup.userDataFolder = DefaultUserDataFolder();
    if (!UsableUsersFolder(args.users, startup)) {
        return 0;
    }
    auto screens = CreateScreens(startup, std::move(backdrop));
    screens->Form9->ShowModal();
    if (!screens->Form9->LoggedIn()) {
        return 0;
    }
    screens->Form1->PicturesReady = false;
    screens->Form1->Show();
    MakeLessonControlsWhenIdle(*screens);
    return app.exec();
}

} // namespace lumora
