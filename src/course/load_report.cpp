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

std::string LoadReport::Where(const LoadFault& fault) {
    if (fault.file.empty() || fault.line <= 0) {
        return fault.file;
    }
    return fault.file + ", line " + std::to_string(fault.line);
}

void LoadReport::Show(const LoadFault& fault) {
    ShowMessage(fault.message, Where(fault));
}

LoadReport LoadReport::ForProgram() {
    return LoadReport(
        [](const LoadFault& fault, FaultKind kind) {
            if (kind != FaultKind::CheckOnly && kind != FaultKind::Warning) {
                Show(fault);
            }
        },
        true);
}

} // namespace lumora
