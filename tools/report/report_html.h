#pragma once
// The class report as one self-contained page: the class table, then one
// printed page per learner with a bar chart of the points per topic and the
// done marks of every lesson, drawn as inline SVG; the damaged files at the
// foot. Nothing is fetched from anywhere.
#include "class_report.h"

#include <string>

namespace lumora {

// The height in pixels of the tallest bar of the charts: the class's best
// points in one topic.
inline constexpr int kChartBarHeight = 150;

// The height of a bar of `points` when the tallest stands for `most`.
int BarHeight(std::int32_t points, std::int32_t most);

std::string ClassReportHtml(const ClassReport& report, const std::string& courseFolder);

} // namespace lumora
