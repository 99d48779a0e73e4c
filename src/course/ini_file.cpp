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

TopicRow ParseTopicRow(const std::string& line, bool& clamped) {
    const auto f = SplitFields(line, 9);
    TopicRow row;
    row.FolderName = f[0];
    row.ListLeft = ClampLayout(StrictInt(f[1]), clamped);
    row.ListTop = ClampLayout(StrictInt(f[2]), clamped);
    row.ListAlign = StrictInt(f[3]);
    row.IconOffset = ClampLayout(StrictInt(f[4]), clamped);
    row.ListColour = ParseColour(f[5]);
    row.DescLeft = ClampLayout(StrictInt(f[6]), clamped);
    row.DescTop = ClampLayout(StrictInt(f[7]), clamped);
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
// first line after the section; a missing marker is reported to the checker,
// since every later section then comes out empty.
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
            return next;
        }
    }
    report.Fault(ReportName(kIniFile), 0,
                 "The marker line \"" + marker + "\" is missing; the file ends inside its section.",
                 FaultKind::CheckOnly);
    return next;
}

} // namespace

void LoadIni(CourseData& course, LoadReport& report) {
    const std::string path = course.DataPath(kIniFile);
    // A missing or unreadable ini.t is reported and the loading goes on with
    // empty texts and hints.
    ReadFailure failure;
    auto lines = ReadTextLines(path, &failure);
    if (!lines) {
        report.Fault(ReportName(kIniFile), 0,
                     failure.missing ? "No ini file: " + path
                                     : "Cannot open file \"" + path + "\". " + failure.reason,
                     FaultKind::Message);
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
        bool clamped = false;
        Converted(report, kIniFile, n, [&] {
            course.TopicTable[static_cast<std::size_t>(t)] = ParseTopicRow(lineAt(n), clamped);
        });
        if (clamped) {
            report.Fault(ReportName(kIniFile), n, ClampedMessage("A position"),
                         FaultKind::CheckOnly);
        }
    }
    std::size_t next = kTextFirstLine - 1;
    next = ReadSection(*lines, next, "*** hinty", course.TextTable, course.TextCount, report);
    ReadSection(*lines, next, "*** end", course.HintTable, course.HintCount, report);
}

} // namespace lumora
