#include "course_loaders.h"

#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <cerrno>
#include <cstring>

namespace lumora {

std::string ReportName(const char* relative) {
    return ToSlashes(relative);
}

std::optional<std::vector<std::string>> ReadCourseLines(const CourseData& course,
                                                        const char* relative, LoadReport& report,
                                                        bool mustExist) {
    const std::string path = course.DataPath(relative);
    errno = 0;
    auto lines = ReadTextLines(path);
    if (!lines && mustExist) {
        const int err = errno != 0 ? errno : ENOENT;
        report.Fault(ReportName(relative), 0,
                     "Cannot open file \"" + path + "\". " + std::strerror(err), FaultKind::Fatal);
    }
    return lines;
}

} // namespace lumora
