#pragma once
// The start-up loading of the course: folders, then every table in its order.
#include "course_data.h"
#include "load_report.h"
#include "user_settings.h"

#include <string>

namespace lumora {

struct StartupOptions {
    std::string dataRoot;       // the course folder
    std::string userDataFolder; // the account's own: ini_hdd.t
    // The checker reads only the course: it neither creates the user folder
    // nor reads or writes ini_hdd.t.
    bool userFiles = true;
    std::string usersFolder; // usr.t and the learners; empty: userDataFolder
};

// Sets the folders and loads every table, and the settings, in start-up order. A fatal fault
// (reported through the report) skips the remaining steps; the tables loaded
// so far stay. Returns false when a step was skipped that way.
bool LoadCourse(CourseData& course, UserSettings& settings, const StartupOptions& options,
                LoadReport& report);

// The course folder and the rule that chose it.
struct DataRootChoice {
    std::string folder; // with a trailing slash
    std::string rule;   // said by --help and --version
};

// The course folder: --data DIR, else LUMORA_DATA, else the executable's
// folder when it holds a course (a build), else the installed course in
// ../share/lumora/course beside it. When neither holds a course the
// executable's folder is taken, so the messages name the files missing there.
DataRootChoice ChooseDataRootFrom(const std::string& dataOption, const std::string& exeFolder);
DataRootChoice ChooseDataRootWithRule(const std::string& dataOption);
std::string ChooseDataRoot(const std::string& dataOption);

} // namespace lumora
