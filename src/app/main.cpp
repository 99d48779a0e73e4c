// Lumora: wires the layers together and starts the program.
#include "platform/folders.h"
#include "platform/single_instance.h"
#include "shell/course/load_report.h"
#include "shell/course/startup_loading.h"

#include <cstdio>
#include <string>

namespace {

struct Arguments {
    std::string dataRoot;
    bool ok = true;
};

Arguments ParseArguments(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc) {
            args.dataRoot = argv[++i];
        } else if (a.rfind("--data=", 0) == 0) {
            args.dataRoot = a.substr(7);
        } else {
            std::fprintf(stderr, "usage: lumora [--data COURSE_FOLDER]\n");
            args.ok = false;
        }
    }
    return args;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments args = ParseArguments(argc, argv);
    if (!args.ok) {
        return 2;
    }
    // A second copy ends at once, without a window or a message.
    lumora::SingleInstanceLock lock(lumora::SingleInstanceLock::DefaultLockFile());
    if (!lock.Held()) {
        return 0;
    }
    lumora::StartupOptions options;
    options.dataRoot = lumora::ChooseDataRoot(args.dataRoot);
    options.userDataFolder = lumora::DefaultUserDataFolder();
    auto report = lumora::LoadReport::ForProgram();
    lumora::LoadCourse(lumora::Course(), options, report);
    return 0;
}
