#pragma once
// The soak's command line.
#include <cstdint>
#include <string>

namespace lumora::soak {

struct SoakOptions {
    std::uint32_t seed = 1;
    // Random events to send (the monkey); 0 with cycles.
    std::uint64_t events = 0;
    // Rounds of opening and leaving every lesson (the memory check); 0 for none.
    int cycles = 0;
    int intervalMs = 1;       // between two input steps
    int lessonEvery = 100;    // a walk to a lesson after this many random events
    int hangMs = 5000;        // no input step for this long is a hang
    double maxGrowthMiB = -1; // with cycles: fail above this growth; negative: report only
    std::string dataRoot;     // the course; empty: as the program finds it
    bool ok = true;
    std::string error;
};

SoakOptions ParseSoakOptions(int argc, char** argv);

inline constexpr const char* kSoakUsage =
    "usage: lumora-soak [--seed S] [--events N | --cycles C] [--interval MS]\n"
    "                   [--lesson-every N] [--hang-ms MS] [--max-growth-mib M] [--data DIR]\n";

} // namespace lumora::soak
