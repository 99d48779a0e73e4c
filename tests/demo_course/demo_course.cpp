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
            [&](const LoadFault& f, FaultKind) {
                l.faults.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
            },
            false);
        LoadCourse(l.course, options, report);
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

WordSearch ReadWordSearch(const std::vector<std::string>& lines) {
    WordSearch p;
    if (lines.empty()) {
        return p;
    }
    const auto head = Fields(lines[0], '=');
    if (head.size() < 4) {
        return p;
    }
    p.columns = StrictInt(head[1]);
    p.rows = StrictInt(head[2]);
    const int words = StrictInt(head[3]);
    for (int i = 0; i < words && 4 + static_cast<std::size_t>(i) < head.size(); ++i) {
        p.words.push_back(head[4 + static_cast<std::size_t>(i)]);
    }
    for (int r = 1; r <= p.rows && static_cast<std::size_t>(r) < lines.size(); ++r) {
        // A short row is padded, so that it finds nothing rather than reads
        // past its end.
        std::string row =
            lines[static_cast<std::size_t>(r)].substr(0, static_cast<std::size_t>(p.columns));
        row.resize(static_cast<std::size_t>(p.columns), ' ');
        p.grid.push_back(row);
    }
    return p;
}

bool GridHides(const WordSearch& puzzle, const std::string& word) {
    const std::string w = LowerAZ(word);
    const auto at = [&](int r, int c) {
        return LowerAZ(
            std::string(1, puzzle.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    };
    const int n = static_cast<int>(w.size());
    for (int r = 0; r < static_cast<int>(puzzle.grid.size()); ++r) {
        for (int c = 0; c < puzzle.columns; ++c) {
            bool across = c + n <= puzzle.columns;
            bool down = r + n <= static_cast<int>(puzzle.grid.size());
            for (int k = 0; k < n && (across || down); ++k) {
                const std::string letter(1, w[static_cast<std::size_t>(k)]);
                across = across && at(r, c + k) == letter;
                down = down && at(r + k, c) == letter;
            }
            if (across || down) {
                return true;
            }
        }
    }
    return false;
}

} // namespace lumora::test
