#include "course_loaders.h"

namespace lumora {

void LoadSt(CourseData& course, LoadReport& report) {
    course.StTable.fill(std::nullopt);
    course.StCount = 0;
    auto lines = ReadCourseLines(course, kStFile, report, true);
    if (!lines) {
        return;
    }
    const auto lineAt = [&](std::size_t i) {
        return i < lines->size() ? Trim((*lines)[i]) : std::string();
    };
    std::size_t i = 0;
    while (i < lines->size()) {
        const std::string& raw = (*lines)[i];
        const std::string head = Trim(raw);
        if (head.empty() || raw.starts_with("*")) {
            ++i;
            continue;
        }
        const int lineNo = static_cast<int>(i + 1);
        StRecord record{head, lineAt(i + 1), lineAt(i + 2), lineNo};
        i += 3;
        int number = 0;
        const bool ok = Converted(report, kStFile, lineNo, [&] {
            const int hash = FindFrom(1, head, "#");
            number = StrictInt(hash < 0 ? std::string() : head.substr(0, hash - 1));
        });
        if (!ok) {
            continue;
        }
        if (number < 1 || number > CourseData::kMaxStRecords) {
            report.Fault(ReportName(kStFile), lineNo,
                         "Record number " + std::to_string(number) + " is outside 1 to " +
                             std::to_string(CourseData::kMaxStRecords) +
                             "; the record is not used.",
                         FaultKind::Message);
            continue;
        }
        course.StTable[static_cast<std::size_t>(number)] = std::move(record);
        ++course.StCount;
    }
}

} // namespace lumora
