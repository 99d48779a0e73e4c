#include "course_loaders.h"

#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <algorithm>

namespace lumora {

std::string ReportName(const char* relative) {
    return ToSlashes(relative);
}

std::optional<std::vector<std::string>>
ReadCourseLines(const CourseData& course, const char* relative, LoadReport& report, FileRule rule) {
    const std::string path = course.DataPath(relative);
    ReadFailure failure;
    auto lines = ReadTextLines(path, &failure);
    if (!lines && (rule == FileRule::Required || !failure.missing)) {
        report.Fault(ReportName(relative), 0,
                     "Cannot open file \"" + path + "\". " + failure.reason,
                     rule == FileRule::Required ? FaultKind::Fatal : FaultKind::Message);
    }
    return lines;
}

int ClampLayout(int value, bool& clamped) {
    const int kept = std::clamp(value, -kLayoutLimit, kLayoutLimit);
    clamped = clamped || kept != value;
    return kept;
}

std::string ClampedMessage(const std::string& what) {
    const std::string limit = std::to_string(kLayoutLimit);
    return what + " is outside -" + limit + " to " + limit + "; it is clamped to that range.";
}

} // namespace lumora
