// Times the start-up loading of a course whose "Steruj.t" carries one lesson
// with a 1.6 MB layout list (200,000 pairs). Only the first eight pairs are
// used, so the loading should take about as long as for a short list: well
// under 100 ms on a desktop machine.
#include "course/load_report.h"
#include "course/startup_loading.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kPairs = 200000; // "123,456*" is eight bytes: 1.6 MB

void Write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string LongLayoutLine() {
    std::string layout;
    layout.reserve(kPairs * 8);
    for (int i = 0; i < kPairs; ++i) {
        layout += "123,456*";
    }
    layout.pop_back();
    return "dom=d=35====" + layout + "==\r\n";
}

struct LongLayoutCourse {
    LongLayoutCourse() {
        std::string pattern = (fs::temp_directory_path() / "lumora-bench-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        Write(root / "course/ini.t", "[Lumora]\r\ncharset=238\r\n");
        Write(root / "course/Steruj.t", LongLayoutLine());
        Write(root / "course/St.t", "1#A story#\r\nbody\r\ntail\r\n");
        Write(root / "course/odkrywanki/idx.t", "kot=cat.bmp\r\n");
        fs::create_directories(root / "user");
    }
    ~LongLayoutCourse() { fs::remove_all(root); }
    fs::path root;
};

void BM_LongLayoutList(benchmark::State& state) {
    const LongLayoutCourse course;
    const lumora::StartupOptions options{
        (course.root / "course").string(), (course.root / "user").string(), false, {}};
    lumora::LoadReport report([](const lumora::LoadFault&) {}, false);
    int firstX = 0;
    for (auto _ : state) {
        lumora::CourseData data;
        lumora::UserSettings settings;
        lumora::LoadCourse(data, settings, options, report);
        firstX = data.SteeringTable.empty() ? 0 : data.SteeringTable[0].LayoutX[7];
        benchmark::DoNotOptimize(firstX);
    }
    if (firstX != 123) {
        state.SkipWithError("the long layout list was not read");
    }
}
BENCHMARK(BM_LongLayoutList)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
