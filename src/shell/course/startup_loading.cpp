#include "startup_loading.h"

#include "course_loaders.h"
#include "platform/folders.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <cstdlib>

namespace lumora {

std::string ChooseDataRoot(const std::string& dataOption) {
    if (!dataOption.empty()) {
        return WithTrailingSlash(dataOption);
    }
    if (const char* env = std::getenv("LUMORA_DATA"); env != nullptr && *env != '\0') {
        return WithTrailingSlash(env);
    }
    return ExecutableFolder();
}

bool LoadCourse(CourseData& course, const StartupOptions& options, LoadReport& report) {
    try {
        course.DataRoot = WithTrailingSlash(options.dataRoot);
        course.UserDataFolder = WithTrailingSlash(options.userDataFolder);
        if (options.userFiles && !DirectoryExists(course.UserDataFolder)) {
            if (auto error = CreateFolder(course.UserDataFolder)) {
                report.Fault("", 0, *error, FaultKind::Fatal);
            }
        }
        LoadIni(course, report);
        if (options.userFiles) {
            LoadUserSettings(course, report);
        }
        LoadData(course, report);
        LoadSt(course, report);
        LoadSteering(course, report);
        LoadInstructions(course, report);
        LoadRevealIndex(course, report);
        return true;
    } catch (const LoadAborted&) {
        return false;
    }
}

} // namespace lumora
