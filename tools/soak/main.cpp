// lumora-soak: runs the whole program offscreen on the demo course with a
// long seeded stream of random input (or opens and leaves every lesson
// round after round, measuring the resident size), and reports a crash or a
// hang with the seed and the last events, so that it replays.
#include "event_log.h"
#include "failure_guard.h"
#include "platform/folders.h"
#include "platform/random.h"
#include "platform/ui/font_warm_up.h"
#include "platform/ui/ui_setup.h"
#include "shell/screen_roster.h"
#include "soak_options.h"
#include "soak_report.h"
#include "soak_run.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A home of its own: the soak's learners and points never touch the user's.
std::string MakeTemporaryHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lumora-soak-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    for (const char* sub : {"/data", "/run"}) {
        std::filesystem::create_directories(pattern + sub);
        std::filesystem::permissions(pattern + sub, std::filesystem::perms::owner_all);
    }
    ::setenv("HOME", pattern.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (pattern + "/data").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (pattern + "/run").c_str(), 1);
    ::setenv("XDG_DOCUMENTS_DIR", (pattern + "/documents").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    return pattern;
}

std::string ReplayLine(const lumora::soak::SoakOptions& o) {
    std::string line = "lumora-soak --seed " + std::to_string(o.seed);
    line += o.cycles > 0 ? " --cycles " + std::to_string(o.cycles)
                         : " --events " + std::to_string(o.events);
    if (o.intervalMs != 1) {
        line += " --interval " + std::to_string(o.intervalMs);
    }
    if (o.lessonEvery != 100) {
        line += " --lesson-every " + std::to_string(o.lessonEvery);
    }
    return line;
}

// The offscreen platform cannot raise, lower or grab and says so each time a
// screen is shown; every other message is kept.
QtMessageHandler g_qtMessages = nullptr;
void QuietRaise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")) &&
        g_qtMessages != nullptr) {
        g_qtMessages(type, context, text);
    }
}

} // namespace

int main(int argc, char** argv) {
    using namespace lumora;
    const soak::SoakOptions options = soak::ParseSoakOptions(argc, argv);
    if (!options.ok) {
        std::fprintf(stderr, "lumora-soak: %s\n%s", options.error.c_str(), soak::kSoakUsage);
        return 2;
    }
    const std::string home = MakeTemporaryHome();
    if (home.empty()) {
        std::fprintf(stderr, "lumora-soak: cannot make a temporary home\n");
        return 1;
    }
    static soak::EventLog log;
    log.SetReplayLine(ReplayLine(options).c_str());
    soak::InstallCrashReport(log);

    g_qtMessages = qInstallMessageHandler(QuietRaise);
    StartFontWarmUp();
    QApplication app(argc, argv);
    SetUpUserInterface();
    FixRandomSeed(options.seed);
    StartupOptions startup;
    startup.dataRoot = ChooseDataRoot(options.dataRoot);
    startup.userDataFolder = DefaultUserDataFolder();
    int status = 0;
    {
        auto screens = CreateScreens(startup);
        soak::Watchdog watchdog(log, std::chrono::milliseconds(options.hangMs));
        soak::SoakRun run(options, log, watchdog);
        const soak::SoakResult result = run.Run(*screens);
        status = soak::ReportSoak(stdout, options, result);
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return status;
}
