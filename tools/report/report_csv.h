#pragma once
// The class report as a spreadsheet's table: UTF-8, comma-separated, quoted
// where a field needs it, one line per learner and lesson after a header.
#include "class_report.h"

#include <string>

namespace lumora {

inline constexpr const char* kReportCsvHeader = "uczeń,temat,dział,lekcja,kod,punkty,ukończona";

std::string ClassReportCsv(const ClassReport& report);

} // namespace lumora
