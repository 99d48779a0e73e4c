#include "soak_report.h"

namespace lumora::soak {
namespace {

void PrintScreens(std::FILE* out, const SoakResult& result) {
    std::fprintf(out, "screens reached (%zu):", result.screens.size());
    for (const auto& [name, times] : result.screens) {
        std::fprintf(out, " %s x%d", name.c_str(), times);
    }
    std::fprintf(out, "\nlesson screens opened (%zu):", result.kindsOpened.size());
    for (const auto& [name, times] : result.kindsOpened) {
        std::fprintf(out, " %s x%d", name.c_str(), times);
    }
    std::fprintf(out, "\nlesson codes opened (%zu):", result.codesOpened.size());
    for (const auto& [code, times] : result.codesOpened) {
        std::fprintf(out, " %d x%d", code, times);
    }
    std::fprintf(out, "\n");
}

// Growth from the first round to the last, in MiB.
double GrowthMiB(const SoakResult& result) {
    return static_cast<double>(result.rssKiB.back() - result.rssKiB.front()) / 1024.0;
}

} // namespace

int ReportSoak(std::FILE* out, const SoakOptions& options, const SoakResult& result) {
    std::fprintf(out, "lumora-soak: seed %u, %llu events in %.1f s, %d program restarts\n",
                 options.seed, static_cast<unsigned long long>(result.events), result.seconds,
                 result.restarts);
    PrintScreens(out, result);
    for (const auto& [text, times] : result.messages) {
        std::fprintf(out, "message x%d: %s\n", times, text.c_str());
    }
    if (result.walksGivenUp > 0) {
        std::fprintf(out, "walks to a lesson given up: %d\n", result.walksGivenUp);
    }
    int status = 0;
    if (!result.codesMissed.empty()) {
        std::fprintf(out, "lesson codes never opened:");
        for (int code : result.codesMissed) {
            std::fprintf(out, " %d", code);
        }
        std::fprintf(out, "\n");
        status = kMissedLessonStatus;
    }
    if (!result.rssKiB.empty()) {
        const double growth = GrowthMiB(result);
        std::fprintf(out,
                     "resident size: %ld KiB after round 1, %ld KiB after round %zu; growth "
                     "%.2f MiB\n",
                     result.rssKiB.front(), result.rssKiB.back(), result.rssKiB.size(), growth);
        if (options.maxGrowthMiB >= 0 && growth > options.maxGrowthMiB) {
            std::fprintf(out, "growth above the limit of %.1f MiB\n", options.maxGrowthMiB);
            status = kMemoryGrowthStatus;
        }
    }
    std::fprintf(out, "result: %s\n", status == 0 ? "ok" : "FAILED");
    return status;
}

} // namespace lumora::soak
