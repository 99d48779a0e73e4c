// lumora-report: the teacher's view of a learners' folder, as a spreadsheet
// table (CSV) or a printable page (HTML). It only reads the folder, so it can
// run while the class works.
#include "class_report.h"
#include "course/startup_loading.h"
#include "course/users_folder.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "report_csv.h"
#include "report_html.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: lumora-report [--users DIR] [--data COURSE] (--html FILE | --csv FILE)...\n"
    "  --users DIR  the learners' folder; without it, as the program finds it\n"
    "  --data DIR   the course; without it, as the program finds it\n"
    "  --html FILE  the class table and a page per learner, printable\n"
    "  --csv FILE   one line per learner and lesson, for a spreadsheet\n";

struct Arguments {
    std::string users;
    std::string data;
    std::string html;
    std::string csv;
    bool ok = true;
};

Arguments Parse(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string* target = a == "--users"  ? &args.users
                              : a == "--data" ? &args.data
                              : a == "--html" ? &args.html
                              : a == "--csv"  ? &args.csv
                                              : nullptr;
        if (target == nullptr || i + 1 == argc) {
            args.ok = false;
            break;
        }
        *target = argv[++i];
    }
    args.ok = args.ok && !(args.html.empty() && args.csv.empty());
    return args;
}

// Whether a file named by the teacher would land in the learners' folder,
// which the report never writes to.
bool InsideFolder(const std::string& file, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code failed;
    const fs::path parent = fs::weakly_canonical(fs::absolute(file).parent_path(), failed);
    const fs::path root = fs::weakly_canonical(fs::absolute(folder), failed);
    const fs::path inside = parent.lexically_relative(root);
    return !inside.empty() && *inside.begin() != "..";
}

bool Save(const std::string& file, const std::string& bytes, const std::string& folder) {
    if (InsideFolder(file, folder)) {
        std::fprintf(stderr,
                     "lumora-report: %s is inside the learners' folder %s; the report "
                     "never writes there\n",
                     file.c_str(), folder.c_str());
        return false;
    }
    if (auto error = lumora::WriteFileAtomic(file, bytes)) {
        std::fprintf(stderr, "lumora-report: %s\n", error->c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments args = Parse(argc, argv);
    if (!args.ok) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const lumora::UsersFolderChoice users = lumora::ChooseUsersFolder(args.users);
    if (!users.problem.empty()) {
        std::fprintf(stderr, "lumora-report: %s\n", users.problem.c_str());
    }
    if (!lumora::DirectoryExists(users.folder)) {
        std::fprintf(stderr, "lumora-report: no learners' folder %s (found by %s)\n",
                     users.folder.c_str(), users.rule.c_str());
        return 1;
    }
    lumora::StartupOptions options;
    options.dataRoot = lumora::ChooseDataRoot(args.data);
    options.userFiles = false;
    int courseFaults = 0;
    lumora::LoadReport report(
        [&](const lumora::LoadFault& f) {
            if (f.kind == lumora::FaultKind::Fatal || f.kind == lumora::FaultKind::Message) {
                ++courseFaults;
                std::fprintf(stderr, "lumora-report: %s: %s\n",
                             lumora::LoadReport::Where(f).c_str(), f.message.c_str());
            }
        },
        true);
    lumora::CourseData course;
    lumora::UserSettings settings; // the report reads no account's settings
    if (!lumora::LoadCourse(course, settings, options, report)) {
        std::fprintf(stderr, "lumora-report: the course in %s could not be loaded\n",
                     options.dataRoot.c_str());
        return 1;
    }
    const lumora::ClassReport classReport = lumora::BuildClassReport(course, users.folder);
    bool saved = true;
    if (!args.csv.empty()) {
        saved = Save(args.csv, lumora::ClassReportCsv(classReport), users.folder) && saved;
    }
    if (!args.html.empty()) {
        saved =
            Save(args.html, lumora::ClassReportHtml(classReport, course.DataRoot), users.folder) &&
            saved;
    }
    std::printf("%zu learners, %zu lessons, %zu damaged files (listed at the report's foot), "
                "from %s\n",
                classReport.learners.size(), classReport.lessons.size(), classReport.damaged.size(),
                users.folder.c_str());
    return saved ? 0 : 1;
}
