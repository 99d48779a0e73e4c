#include "course_loaders.h"

#include "platform/cp1250.h"

namespace lumora {
namespace {

constexpr std::size_t kShortestRow = 7;

DataRow ParseDataRow(const std::string& line) {
    const auto f = SplitFields(line, 15);
    DataRow row;
    row.TopicKey = LowerCase(Trim(f[0]));
    row.GroupKey = LowerCase(Trim(f[1]));
    row.EnglishText = Trim(f[2]);
    row.Field4 = Trim(f[3]);
    row.PolishText = Trim(f[4]);
    row.PictureFile = Trim(f[5]);
    row.Field7 = TrimmedInt(f[6]) == 1;
    row.SoundFile = Trim(f[7]);
    row.Field9 = Trim(f[8]);
    row.KindCode = TrimmedInt(f[9]);
    row.Field11 = TrimmedInt(f[10]);
    row.Field12 = Trim(f[11]);
    row.Field13 = TrimmedInt(f[12]);
    row.Field14 = Trim(f[13]);
    row.Field15 = Trim(f[14]);
    return row;
}

} // namespace

void LoadData(CourseData& course, LoadReport& report) {
    course.DataTable.clear();
    auto lines = ReadCourseLines(course, kDataFile, report, FileRule::Optional);
    if (!lines) {
        return;
    }
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        const std::string& raw = (*lines)[i];
        if (raw.starts_with("//")) {
            continue;
        }
        const std::string line = Trim(raw);
        if (Utf8Length(line) <= kShortestRow) {
            continue;
        }
        if (static_cast<int>(course.DataTable.size()) == CourseData::kMaxDataRows) {
            report.Fault(ReportName(kDataFile), lineNo,
                         "The table holds " + std::to_string(CourseData::kMaxDataRows) +
                             " rows; the program reads no further.",
                         FaultKind::CheckOnly);
            return;
        }
        if (line.find('=') == std::string::npos) {
            report.Fault(ReportName(kDataFile), lineNo,
                         "The line has no \"=\"; every field of the row is empty.",
                         FaultKind::CheckOnly);
        }
        Converted(report, kDataFile, lineNo, [&] {
            course.DataTable.push_back(ParseDataRow(line));
            course.DataTable.back().Line = lineNo;
        });
    }
}

} // namespace lumora
