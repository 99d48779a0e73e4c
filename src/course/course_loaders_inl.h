#pragma once
#include "platform/text_helpers.h"

namespace lumora {

template <class F> bool Converted(LoadReport& report, const char* file, int line, F&& convert) {
    try {
        convert();
        return true;
    } catch (const ConversionError& e) {
        report.Fault(ReportName(file), line, e.what(), FaultKind::Fatal);
        return false;
    }
}

} // namespace lumora
