// lumora-check: loads a course folder the way the program does at start-up
// and reports every fault of every file. It never writes anything.
#include "course/startup_loading.h"
#include "course_dump.h"
#include "exercises/common/word_measures.h"
#include "exercises/lesson_checks.h"
#include "platform/text_file.h"
#include "platform/ui/fonts.h"
#include "users/points_table.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kStopsLoading = " (the program stops loading the course here)";

struct Arguments {
    std::string dataRoot;
    std::string pointsFile;
    bool dump = false;
    bool ok = true;
};

void Usage() {
    std::fprintf(stderr, "usage: lumora-check [--data DIR] [--dump] [--points FILE]\n");
}

Arguments ParseArguments(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc && args.ok; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc) {
            args.dataRoot = argv[++i];
        } else if (a == "--points" && i + 1 < argc) {
            args.pointsFile = argv[++i];
        } else if (a == "--dump") {
            args.dump = true;
        } else {
            args.ok = false;
        }
    }
    return args;
}

int CheckCourse(const Arguments& args) {
    lumora::StartupOptions options;
    options.dataRoot = lumora::ChooseDataRoot(args.dataRoot);
    options.userFiles = false;

    // Every fault of every file: each loader goes on past a faulty line.
    // Warnings are listed too, but a course with only warnings passes.
    // A fatal fault is marked: at start-up the program stops loading there.
    std::vector<lumora::LoadFault> faults;
    std::vector<lumora::LoadFault> warnings;
    lumora::LoadReport collectAll(
        [&](lumora::LoadFault f) {
            if (f.kind == lumora::FaultKind::Fatal) {
                f.message += kStopsLoading;
            }
            (f.kind == lumora::FaultKind::Warning ? warnings : faults).push_back(std::move(f));
        },
        false);
    lumora::CourseData scratch;
    lumora::UserSettings settings;
    lumora::LoadCourse(scratch, settings, options, collectAll);
    // Every lesson's content, read as its screen reads it, and laid out as
    // its screen lays it out.
    lumora::CheckLessons(scratch, collectAll);
    lumora::CheckLessonLayouts(
        scratch, collectAll, {&lumora::WordLabelSizeAs<lumora::LabelSize>, &lumora::WordTextWidth});

    if (args.dump) {
        // The tables as the program holds them: loading stops at the first
        // fatal fault, as it does at start-up.
        lumora::LoadReport asProgram([](const lumora::LoadFault&) {}, true);
        lumora::CourseData course;
        lumora::LoadCourse(course, settings, options, asProgram);
        std::fputs(lumora::CourseDumpJson(course, faults).c_str(), stdout);
    } else {
        for (const auto& f : faults) {
            std::printf("%s: %s\n", lumora::LoadReport::Place(f).c_str(), f.message.c_str());
        }
        for (const auto& w : warnings) {
            std::printf("%s: warning: %s\n", lumora::LoadReport::Place(w).c_str(),
                        w.message.c_str());
        }
        std::string summary = faults.empty() ? std::string("no faults")
                                             : std::to_string(faults.size()) +
                                                   (faults.size() == 1 ? " fault" : " faults");
        if (!warnings.empty()) {
            summary += ", " + std::to_string(warnings.size()) +
                       (warnings.size() == 1 ? " warning" : " warnings");
        }
        std::printf("%s: %s\n", options.dataRoot.c_str(), summary.c_str());
    }
    return faults.empty() ? 0 : 1;
}

// Dumps a points file's records as the program reads them and reports what
// is wrong with the file.
int CheckPoints(const std::string& path) {
    lumora::ReadFailure failure;
    const auto bytes = lumora::ReadFileBytes(path, &failure);
    if (!bytes) {
        std::fprintf(stderr, "%s: cannot read the file: %s\n", path.c_str(),
                     failure.reason.c_str());
        return 1;
    }
    std::fputs(lumora::PointsDumpJson(*bytes).c_str(), stdout);
    const auto faults = lumora::PointsFileFaults(*bytes);
    for (const auto& fault : faults) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), lumora::DescribePointsFault(fault).c_str());
    }
    return faults.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Text is measured in the screens' fonts, which needs no display. Qt's
    // own notes about the environment are not the course's faults.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        }
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    lumora::InstallFontSubstitutions();
    const Arguments args = ParseArguments(argc, argv);
    if (!args.ok) {
        Usage();
        return 2;
    }
    if (!args.pointsFile.empty()) {
        return CheckPoints(args.pointsFile);
    }
    return CheckCourse(args);
}
