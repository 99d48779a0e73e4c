#include "load_report.h"

#include "platform/message_box.h"

namespace lumora {

void LoadReport::Fault(const std::string& file, int line, const std::string& message,
                       FaultKind kind) {
    Fault({file, line, message, kind});
}

void LoadReport::Fault(const LoadFault& fault) {
    if (sink_) {
        sink_(fault);
    }
    if (fault.kind == FaultKind::Fatal && stopAtFatal_) {
        throw LoadAborted{fault};
    }
}

std::string LoadReport::Where(const LoadFault& fault) {
    if (fault.file.empty() || fault.line <= 0) {
        return fault.file;
    }
    return fault.file + ", line " + std::to_string(fault.line);
}

std::string LoadReport::Place(const LoadFault& fault) {
    std::string place = fault.file.empty() ? std::string("(course)") : fault.file;
    if (fault.line > 0) {
        place += ":" + std::to_string(fault.line);
    }
    return place;
}

void LoadReport::Show(const LoadFault& fault) {
    ShowMessage(fault.message, Where(fault));
}

LoadReport LoadReport::ForProgram() {
    return LoadReport(
        [](const LoadFault& fault) {
            if (fault.kind != FaultKind::CheckOnly && fault.kind != FaultKind::Warning) {
                Show(fault);
            }
        },
        true);
}

} // namespace lumora
