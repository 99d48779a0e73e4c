// Times the teacher's report on a full class (150 learners, the list's limit,
// each with a points record for every lesson of the demo course): reading the
// folder and writing the CSV and the HTML page; and, on the same folder, the
// best-scores list as the screen builds it. Each should take well under a
// second. Run it after a build, which makes the demo course beside it:
//   build/bin/bench_class_report
#include "class_report.h"
#include "course/startup_loading.h"
#include "platform/cp1250.h"
#include "platform/folders.h"
#include "report_csv.h"
#include "report_html.h"
#include "users/best_list.h"
#include "users/points_table.h"
#include "users/user_registry.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Class {
    Class() {
        lumora::StartupOptions options;
        options.dataRoot = lumora::ExecutableFolder();
        options.userFiles = false;
        lumora::LoadReport report([](const lumora::LoadFault&) {}, false);
        lumora::UserSettings settings;
        lumora::LoadCourse(course, settings, options, report);
        std::string pattern = (fs::temp_directory_path() / "lumora-bench-XXXXXX").string();
        folder = std::string(::mkdtemp(pattern.data())) + "/";
        std::string usr;
        for (int k = 1; k <= lumora::UserList::kMaxUsers; ++k) {
            usr += std::to_string(k) + "=Uczeń " + std::to_string(k) + "\r\n";
            fs::create_directories(folder + std::to_string(k));
            std::string bytes;
            for (std::size_t i = 0; i < course.SteeringTable.size(); ++i) {
                const auto& row = course.SteeringTable[i];
                const auto points = static_cast<std::int32_t>((k * 7 + i * 3) % 50);
                bytes += lumora::EncodePointsRecord({row.Content, row.Code, points, points > 0});
            }
            std::ofstream(folder + std::to_string(k) + "/pkt.txt", std::ios::binary) << bytes;
        }
        std::ofstream(folder + "usr.t", std::ios::binary) << lumora::Utf8ToCp1250(usr);
        users.ReadOnly(folder + "usr.t");
    }
    ~Class() { fs::remove_all(folder); }

    lumora::CourseData course;
    lumora::UserList users;
    std::string folder;
};

Class& TheClass() {
    static Class c;
    return c;
}

void BM_ClassReport(benchmark::State& state) {
    Class& c = TheClass();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const lumora::ClassReport report = lumora::BuildClassReport(c.course, c.folder);
        const std::string csv = lumora::ClassReportCsv(report);
        const std::string html = lumora::ClassReportHtml(report, c.course.DataRoot);
        bytes = csv.size() + html.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["lessons"] = static_cast<double>(c.course.SteeringTable.size());
    state.counters["learners"] = lumora::UserList::kMaxUsers;
    state.counters["output_kib"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_ClassReport)->Unit(benchmark::kMillisecond);

void BM_BestScoresList(benchmark::State& state) {
    Class& c = TheClass();
    std::size_t entries = 0;
    for (auto _ : state) {
        auto list = lumora::BuildBestList(c.users, c.folder);
        entries = list.size();
        lumora::SortBestList(list);
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_BestScoresList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
