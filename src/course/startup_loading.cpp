#include "startup_loading.h"

#include "course_file_names.h"
#include "course_loaders.h"
#include "platform/folders.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <cstdlib>
#include <filesystem>

namespace lumora {

namespace {

// A folder holds a course when its first start-up table is there.
bool HoldsCourse(const std::string& folder) {
    std::error_code failed;
    return std::filesystem::is_regular_file(std::filesystem::path(folder) / kIniFile, failed);
}

} // namespace

DataRootChoice ChooseDataRootFrom(const std::string& dataOption, const std::string& exeFolder) {
    // A relative folder is taken from the working directory, so that the
    // messages name the files in full.
    const auto absolute = [](const std::string& folder) {
        return WithTrailingSlash(std::filesystem::absolute(folder).lexically_normal().string());
    };
    if (!dataOption.empty()) {
        return {absolute(dataOption), "the --data option"};
    }
    if (const char* env = std::getenv("LUMORA_DATA"); env != nullptr && *env != '\0') {
        return {absolute(env), "the LUMORA_DATA environment variable"};
    }
    const std::string exe = WithTrailingSlash(exeFolder);
    if (HoldsCourse(exe)) {
        return {exe, "the executable's folder"};
    }
    const std::string installed = absolute(exe + "../share/lumora/course");
    if (HoldsCourse(installed)) {
        return {installed, "the installed course folder"};
    }
    return {exe, "the executable's folder (no course found there nor in ../share/lumora/course)"};
}

DataRootChoice ChooseDataRootWithRule(const std::string& dataOption) {
    return ChooseDataRootFrom(dataOption, ExecutableFolder());
}

std::string ChooseDataRoot(const std::string& dataOption) {
    return ChooseDataRootWithRule(dataOption).folder;
}

bool LoadCourse(CourseData& course, UserSettings& settings, const StartupOptions& options,
                LoadReport& report) {
    try {
        course.DataRoot = WithTrailingSlash(options.dataRoot);
        course.UserDataFolder = WithTrailingSlash(options.userDataFolder);
        course.UsersFolder =
            options.usersFolder.empty() ? "" : WithTrailingSlash(options.usersFolder);
        // The user folder holds only the learners' files, so a folder that
        // cannot be made is reported and the course still loads; the
        // settings then keep their defaults.
        bool userFolder = options.userFiles;
        if (userFolder) {
            if (auto error = CreateFolders(course.UserDataFolder)) {
                report.Fault("", 0, *error, FaultKind::Message);
                userFolder = false;
            }
        }
        LoadIni(course, report);
        if (userFolder) {
            LoadUserSettings(course, settings, report);
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
