#include "course_loaders.h"

#include "platform/text_file.h"

namespace lumora {
namespace {

constexpr int kTopicFirstLine = 5;
constexpr int kTextFirstLine = 19;

Colour ParseColour(const std::string& field) {
    const std::string c = LowerCase(Trim(field));
    return c == "white" ? Colour::White : Colour::Black;
}

TopicRow ParseTopicRow(const std::string& line) {
    const auto f = SplitFields(line, 9);
    TopicRow row;
    row.FolderName = f[0];
    row.ListLeft = StrictInt(f[1]);
    row.ListTop = StrictInt(f[2]);
    row.ListAlign = StrictInt(f[3]);
    row.IconOffset = StrictInt(f[4]);
    row.ListColour = ParseColour(f[5]);
    row.DescLeft = StrictInt(f[6]);
    row.DescTop = StrictInt(f[7]);
    row.DescColour = ParseColour(f[8]);
    return row;
}

// The text a section line stores: everything after its second '=', or the
// whole line when it has fewer than two.
std::string SectionText(const std::string& line) {
    const int first = FindFrom(1, line, "=");
    const int second = first < 0 ? -1 : FindFrom(first + 1, line, "=");
    return second < 0 ? line : line.substr(static_cast<std::size_t>(second));
}

// Reads one section of numbered entries from line index `next` on, up to and
// including its marker line or the end of the file. Returns the index of the
// first line after the section.
template <std::size_t N>
std::size_t ReadSection(const std::vector<std::string>& lines, std::size_t next,
                        const std::string& marker, std::array<std::string, N>& table, int& count,
                        LoadReport& report) {
    table.fill(std::string());
    count = 0;
    const int limit = static_cast<int>(N) - 1;
    while (next < lines.size()) {
        const std::string& line = lines[next++];
        if (Trim(line).empty()) {
            continue;
        }
        const std::string text = SectionText(line);
        if (count < limit) {
            table[static_cast<std::size_t>(++count)] = text;
        } else {
            report.Fault(ReportName(kIniFile), static_cast<int>(next),
                         "mamy_teksty wychodzi poza zakres tablicy!!!", FaultKind::Message);
        }
        if (Trim(text) == marker) {
            break;
        }
    }
    return next;
}

} // namespace

void LoadIni(CourseData& course, LoadReport& report) {
    const std::string path = course.DataPath(kIniFile);
    if (!FileExists(path)) {
        report.Fault(ReportName(kIniFile), 0, "No ini file: " + path, FaultKind::Message);
        return;
    }
    auto lines = ReadCourseLines(course, kIniFile, report, true);
    if (!lines) {
        return;
    }
    // Lines past the end of the file read as empty, as a text reader gives them.
    const auto lineAt = [&](int n) -> std::string {
        return n <= static_cast<int>(lines->size()) ? (*lines)[static_cast<std::size_t>(n - 1)]
                                                    : std::string();
    };
    const std::string charsetLine = lineAt(2);
    Converted(report, kIniFile, 2,
              [&] { course.FontCharset = StrictInt(DropChars(charsetLine, 8)); });
    for (int t = 0; t < CourseData::kTopics; ++t) {
        const int n = kTopicFirstLine + t;
        Converted(report, kIniFile, n, [&] {
            course.TopicTable[static_cast<std::size_t>(t)] = ParseTopicRow(lineAt(n));
        });
    }
    std::size_t next = kTextFirstLine - 1;
    next = ReadSection(*lines, next, "*** hinty", course.TextTable, course.TextCount, report);
    ReadSection(*lines, next, "*** end", course.HintTable, course.HintCount, report);
}

} // namespace lumora
