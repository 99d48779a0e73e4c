#pragma once
// The p-th share (0..1) of a set of timings, taken from the sorted values.
#include <algorithm>
#include <vector>

namespace lumora::bench {

inline double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

} // namespace lumora::bench
