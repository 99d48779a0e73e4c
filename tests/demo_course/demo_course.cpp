#include "demo_course.h"

#include "course/startup_loading.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <fstream>

namespace lumora::test {

const LoadedDemoCourse& DemoCourse() {
    static const LoadedDemoCourse loaded = [] {
        LoadedDemoCourse l;
        StartupOptions options;
        options.dataRoot = LUMORA_DEMO_COURSE_DIR;
        options.userFiles = false;
        LoadReport report(
            [&](const LoadFault& f) {
                l.faults.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
            },
            false);
        UserSettings settings;
        LoadCourse(l.course, settings, options, report);
        return l;
    }();
    return loaded;
}

bool CourseFileExists(const CourseData& course, const std::string& relative) {
    return FileExists(course.DataPath(relative));
}

std::string FileStart(const CourseData& course, const std::string& relative, std::size_t count) {
    std::ifstream in(course.DataPath(relative), std::ios::binary);
    std::string bytes(count, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::vector<const DataRow*> SelectedRows(const CourseData& course, const std::string& content) {
    std::vector<const DataRow*> rows;
    const std::string key = LowerCase(content);
    for (const auto& row : course.DataTable) {
        if (row.GroupKey == key) {
            rows.push_back(&row);
        }
    }
    return rows;
}

std::vector<std::string> Fields(const std::string& text, char separator) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        out.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    if (start < text.size()) {
        out.push_back(text.substr(start));
    }
    return out;
}

} // namespace lumora::test
