// Times the whole start-up table loading on a course with every table at its
// limit: 350 steering rows (added rows included), 2000 data rows, 200 St.t
// records, 200 texts, 100 hints, 50 instructions and 100 reveal entries.
#include "course/load_report.h"
#include "course/startup_loading.h"
#include "platform/cp1250.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& utf8) {
    fs::create_directories(file.parent_path());
    std::string crlf;
    for (char c : utf8) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    std::ofstream(file, std::ios::binary) << lumora::Utf8ToCp1250(crlf);
}

std::string IniFile() {
    std::string s = "[Lumora]\ncharset=238\n\n[tematy]\n";
    for (int t = 1; t <= 12; ++t) {
        s += "temat" + std::to_string(t) + "=120=80=1=24=white=30=540=black=\n";
    }
    s += "\n[teksty]\n";
    for (int i = 1; i < 200; ++i) {
        s += std::to_string(i) + "==Tekst numer " + std::to_string(i) + ", zażółć gęślą jaźń\n";
    }
    s += "200==*** hinty\n";
    for (int i = 1; i < 100; ++i) {
        s += std::to_string(i) + "==Podpowiedź " + std::to_string(i) + "\n";
    }
    return s + "100==*** end\n";
}

std::string SteeringFile() {
    // 70 vocabulary rows with two added rows each and 70 sentence rows with
    // one: 350 rows in all.
    std::string s = "// temat=treść=kod=tło=tytuł=zapas=układ=warianty=\n";
    for (int i = 0; i < 70; ++i) {
        const std::string topic = "temat" + std::to_string(i % 12 + 1);
        s += topic + "=slowa_" + std::to_string(i) + "=30=tlo.bmp=Słówka " + std::to_string(i) +
             "=x=28,60*32,64*400,300*10,10*20,20*30,30=11=\n";
        s += topic + "=zdania_" + std::to_string(i) + "=" + std::to_string(i % 4 + 1) +
             "=tlo.bmp=Zdania=x=28,60*32,64=00=\n";
    }
    return s;
}

std::string DataFile() {
    std::string s;
    for (int i = 0; i < 2000; ++i) {
        s += "temat" + std::to_string(i % 12 + 1) + "=slowa_" + std::to_string(i % 70) +
             "=word number " + std::to_string(i) + "==słowo numer " + std::to_string(i) + "=w" +
             std::to_string(i) + ".bmp=1=w" + std::to_string(i) + ".wav==30=1=x=0=y=z=\n";
    }
    return s;
}

std::string StFile() {
    std::string s;
    for (int i = 1; i <= 200; ++i) {
        s += std::to_string(i) + "#Teksty_wav\\roz_" + std::to_string(i) +
             "#pomoc.wav#Posłuchaj nagrania i odpowiedz na pytania.#\n"
             "Q_What is it?#A_a cat#T_a dog#A_a bird##\n*\n";
    }
    return s;
}

std::string InstructionFile() {
    std::string s;
    for (int i = 1; i <= 50; ++i) {
        s += std::to_string(i) + "==Polecenie numer " + std::to_string(i) + ": posłuchaj.\n";
    }
    return s;
}

std::string RevealFile() {
    std::string s;
    for (int i = 1; i <= 100; ++i) {
        s += "obraz" + std::to_string(i) + "=obraz" + std::to_string(i) + ".bmp\n";
    }
    return s;
}

struct LimitCourse {
    LimitCourse() {
        std::string pattern = (fs::temp_directory_path() / "lumora-bench-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        Write(root / "course/ini.t", IniFile());
        Write(root / "course/Steruj.t", SteeringFile());
        Write(root / "course/data.t", DataFile());
        Write(root / "course/St.t", StFile());
        Write(root / "course/Polecenia/polecenia.txt", InstructionFile());
        Write(root / "course/odkrywanki/idx.t", RevealFile());
        fs::create_directories(root / "user");
    }
    ~LimitCourse() { fs::remove_all(root); }
    fs::path root;
};

void BM_StartupLoading(benchmark::State& state) {
    const LimitCourse course;
    const lumora::StartupOptions options{
        (course.root / "course").string(), (course.root / "user").string(), true, {}};
    int faults = 0;
    lumora::LoadReport report([&](const lumora::LoadFault&) { ++faults; }, true);
    std::size_t rows = 0;
    for (auto _ : state) {
        lumora::CourseData data;
        lumora::UserSettings settings;
        lumora::LoadCourse(data, settings, options, report);
        rows = data.SteeringTable.size() + data.DataTable.size();
        benchmark::DoNotOptimize(rows);
    }
    if (faults != 0 || rows != 2350) {
        state.SkipWithError("the limit course did not load cleanly");
    }
}
BENCHMARK(BM_StartupLoading)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
