#include "course/lesson_codes.h"
#include "course_loaders.h"

namespace lumora {
namespace {

constexpr int kAddedPairs = 6;

struct LayoutParse {
    int pairs = 0;
    bool tooMany = false;
    bool clamped = false;
};

// Reads the "x,y*x,y" list into the row's pairs; a value that is not a number
// throws ConversionError. Each pair is x up to the next ',' and y up to the
// next '*'; the list reads as if one more '*' ended it. One pass over the
// text: pairs after the eighth are neither converted nor kept.
LayoutParse ParseLayout(SteeringRow& row, const std::string& field) {
    LayoutParse result;
    row.LayoutCount = 0;
    row.LayoutX.fill(0);
    row.LayoutY.fill(0);
    const std::string text = Trim(field);
    if (text.empty()) {
        return result;
    }
    const std::string list = text + "*";
    const std::string_view view = list;
    std::size_t at = 0;
    while (at < list.size()) {
        if (result.pairs == kLayoutPairs) {
            result.tooMany = true;
            break;
        }
        const auto comma = list.find(',', at);
        if (comma == std::string::npos) {
            throw ConversionError(""); // no x: as an empty field
        }
        const int x = StrictInt(view.substr(at, comma - at));
        const auto star = list.find('*', comma + 1); // found: the list ends in '*'
        const int y = StrictInt(view.substr(comma + 1, star - comma - 1));
        at = star + 1;
        const auto k = static_cast<std::size_t>(result.pairs);
        row.LayoutX[k] = ClampLayout(x, result.clamped);
        row.LayoutY[k] = ClampLayout(y, result.clamped);
        ++result.pairs;
        if (x != 0 && y != 0) {
            ++row.LayoutCount;
        }
    }
    return result;
}

SteeringRow AddedRow(const SteeringRow& before, int code, const char* title) {
    SteeringRow row;
    row.TopicFolder = before.TopicFolder;
    row.Content = before.Content;
    row.Code = code;
    row.Background = before.Background;
    row.Title = title;
    row.Spare = before.Spare;
    row.LayoutCount = before.LayoutCount;
    row.Line = before.Line;
    for (int k = 0; k < kAddedPairs; ++k) {
        row.LayoutX[static_cast<std::size_t>(k)] = before.LayoutX[static_cast<std::size_t>(k)];
        row.LayoutY[static_cast<std::size_t>(k)] = before.LayoutY[static_cast<std::size_t>(k)];
    }
    return row;
}

// The row itself followed by the rows its Code and Variants add.
std::vector<SteeringRow> RowWithAddedRows(const SteeringRow& row) {
    std::vector<SteeringRow> rows{row};
    if (row.Code == kVocabularyCode && row.Variants.size() >= 1 && row.Variants[0] == '1') {
        rows.push_back(AddedRow(rows.back(), kPictureChoiceCode, "Wybór (MC)"));
    }
    if (row.Code == kVocabularyCode && row.Variants.size() >= 2 && row.Variants[1] == '1') {
        rows.push_back(AddedRow(rows.back(), kTypingDrillCode, "Wpisywanie"));
    }
    if (IsPictureSentenceCode(row.Code)) {
        rows.push_back(AddedRow(rows.back(), kGapSentenceCode, "Uzupełnianie"));
    }
    return rows;
}

} // namespace

void LoadSteering(CourseData& course, LoadReport& report) {
    course.SteeringTable.clear();
    auto lines = ReadCourseLines(course, kSteeringFile, report, FileRule::Required);
    if (!lines) {
        return;
    }
    const std::string file = ReportName(kSteeringFile);
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        const int lineNo = static_cast<int>(i + 1);
        if (line.starts_with("//") || Trim(line).empty()) {
            continue;
        }
        const auto f = SplitFields(line, 8);
        SteeringRow row;
        row.TopicFolder = Trim(f[0]);
        row.Content = Trim(f[1]);
        row.Background = Trim(f[3]);
        row.Title = Trim(f[4]);
        row.Spare = Trim(f[5]);
        row.Variants = Trim(f[7]);
        row.Line = lineNo;
        LayoutParse layout;
        const bool ok = Converted(report, kSteeringFile, lineNo, [&] {
            row.Code = StrictInt(Trim(f[2]));
            layout = ParseLayout(row, f[6]);
        });
        if (!ok) {
            continue;
        }
        if (layout.tooMany) {
            report.Fault(file, lineNo,
                         "More than " + std::to_string(kLayoutPairs) +
                             " layout pairs; the pairs after the eighth are not used.",
                         FaultKind::Message);
        }
        if (layout.clamped) {
            report.Fault(file, lineNo, ClampedMessage("A layout value"), FaultKind::CheckOnly);
        }
        const auto rows = RowWithAddedRows(row);
        const std::size_t room = CourseData::kMaxSteeringRows - course.SteeringTable.size();
        if (rows.size() > room) {
            report.Fault(file, lineNo,
                         "More than " + std::to_string(CourseData::kMaxSteeringRows) +
                             " lessons (added rows included); this line and the rest of the "
                             "file are not used.",
                         FaultKind::Message);
            return;
        }
        course.SteeringTable.insert(course.SteeringTable.end(), rows.begin(), rows.end());
    }
    if (course.SteeringTable.empty()) {
        report.Fault(file, 0, "The file holds no lessons; every topic is empty.",
                     FaultKind::CheckOnly);
    }
}

} // namespace lumora
