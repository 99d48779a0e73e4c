#pragma once
// What the soak prints when it is over.
#include "soak_options.h"
#include "soak_run.h"

#include <cstdio>

namespace lumora::soak {

// Exit status when a lesson kind of the course was never opened, and when
// the resident size grew past the limit given.
inline constexpr int kMissedLessonStatus = 4;
inline constexpr int kMemoryGrowthStatus = 5;

// Prints the figures and returns the exit status they call for.
int ReportSoak(std::FILE* out, const SoakOptions& options, const SoakResult& result);

} // namespace lumora::soak
