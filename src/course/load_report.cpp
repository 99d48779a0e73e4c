#include "load_report.h"

#include "platform/message_box.h"

namespace lumora {

void LoadReport::Fault(const std::string& file, int line, const std::string& message,
                       FaultKind kind) {
    const LoadFault fault{file, line, message};
    if (sink_) {
        sink_(fault, kind);
    }
    if (kind == FaultKind::Fatal && stopAtFatal_) {
        throw LoadAborted{fault};
    }
}

std::string LoadReport::Describe(const LoadFault& fault) {
    if (fault.file.empty()) {
        return fault.message;
    }
    std::string where = fault.file;
    if (fault.line > 0) {
        where += ", line " + std::to_string(fault.line);
    }
    return fault.message + "\n(" + where + ")";
}

LoadReport LoadReport::ForProgram() {
    return LoadReport(
        [](const LoadFault& fault, FaultKind kind) {
            if (kind != FaultKind::CheckOnly && kind != FaultKind::Warning) {
                ShowMessage(Describe(fault));
            }
        },
        true);
}

} // namespace lumora
