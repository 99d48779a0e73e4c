#include "definitions_check.h"

#include "definitions_board.h"

#include "course/course_loaders.h"
#include "platform/text_helpers.h"

#include <numeric>

namespace lumora {
namespace {

std::string Lesson(const SteeringRow& row, int index) {
    return "Lesson " + std::to_string(index) + " (" + row.TopicFolder + ", record " + row.Content +
           "): ";
}

const StRecord* RecordOf(const CourseData& course, const SteeringRow& row, std::string& fault) {
    try {
        if (const StRecord* record = course.St(StrictInt(row.Content))) {
            return record;
        }
        fault = "the course has no such record.";
    } catch (const ConversionError& e) {
        fault = e.what();
    }
    return nullptr;
}

// The screen's layout with this measure; the row is a copy, so the course
// keeps its zeros.
void WarnAboutLayout(const std::vector<DefinitionItem>& items, SteeringRow row,
                     const StyledMeasure& measure, const std::string& lesson, int line,
                     LoadReport& report) {
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    const auto label = [&](const std::string& word) { return WordSize{measure(word, {}), 0}; };
    const DefinitionsExercise e = SetUpDefinitions(items, order, row, label, measure);
    if (e.board.Home(e.board.Count() - 1).top + kWordPoolRowStep > e.frame.boxTop) {
        report.Fault(ReportName(kStFile), line,
                     lesson + "the word pool reaches down to the definitions.",
                     FaultKind::CheckOnly);
    }
    const DefinitionRow& last = e.paint.rows.back();
    if (last.slotTop + last.slotHeight > e.frame.boxTop + kDefinitionsBoxHeight) {
        report.Fault(ReportName(kStFile), line,
                     lesson + "the definitions run below their box (" +
                         std::to_string(last.slotTop + last.slotHeight - e.frame.boxTop) + " of " +
                         std::to_string(kDefinitionsBoxHeight) + " pixels).",
                     FaultKind::CheckOnly);
    }
}

} // namespace

void CheckDefinitionsLessons(const CourseData& course, LoadReport& report,
                             const StyledMeasure& measure) {
    for (std::size_t i = 0; i < course.SteeringTable.size(); ++i) {
        const SteeringRow& row = course.SteeringTable[i];
        if (row.Code != kDefinitionsCode) {
            continue;
        }
        const std::string lesson = Lesson(row, static_cast<int>(i + 1));
        std::string fault;
        const StRecord* record = RecordOf(course, row, fault);
        if (record == nullptr) {
            report.Fault(ReportName(kSteeringFile), 0, lesson + fault, FaultKind::Message);
            continue;
        }
        // The content stands on the line below the record's head.
        const int line = record->Line + 1;
        auto parsed = ParseDefinitionsContent(record->StBody);
        if (auto* error = std::get_if<std::string>(&parsed)) {
            report.Fault(ReportName(kStFile), line, lesson + *error, FaultKind::Message);
        } else if (measure) {
            WarnAboutLayout(std::get<std::vector<DefinitionItem>>(parsed), row, measure, lesson,
                            line, report);
        }
    }
}

} // namespace lumora
