#include "course_loaders.h"

namespace lumora {

void LoadInstructions(CourseData& course, LoadReport& report) {
    course.InstructionTable.clear();
    auto lines = ReadCourseLines(course, kInstructionsFile, report, FileRule::Optional);
    if (!lines) {
        return;
    }
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        if (static_cast<int>(course.InstructionTable.size()) == CourseData::kMaxInstructions) {
            report.Fault(ReportName(kInstructionsFile), lineNo,
                         "More than " + std::to_string(CourseData::kMaxInstructions) +
                             " instructions; this line and the rest of the file are not used.",
                         FaultKind::Message);
            return;
        }
        const std::string& line = (*lines)[i];
        const int first = FindFrom(1, line, "=");
        const int second = first < 0 ? -1 : FindFrom(first + 1, line, "=");
        InstructionEntry entry;
        const bool ok = Converted(report, kInstructionsFile, lineNo, [&] {
            entry.number = StrictInt(first < 0 ? std::string() : line.substr(0, first - 1));
        });
        if (!ok) {
            continue;
        }
        entry.text = second < 0 ? std::string() : line.substr(static_cast<std::size_t>(second));
        course.InstructionTable.push_back(std::move(entry));
    }
}

} // namespace lumora
