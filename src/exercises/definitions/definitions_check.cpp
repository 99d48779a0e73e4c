#include "definitions_check.h"

#include "definitions_board.h"

#include "course/course_loaders.h"
#include "exercises/common/story_lessons.h"
#include "platform/text_helpers.h"

#include <numeric>

namespace lumora {
namespace {

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
    ForEachLessonRecord(
        course, kDefinitionsCode, report,
        [&](const SteeringRow& row, const std::string& lesson, int line, const StRecord& record) {
            auto parsed = ParseDefinitionsContent(record.StBody);
            if (auto* error = std::get_if<std::string>(&parsed)) {
                report.Fault(ReportName(kStFile), line, lesson + *error, FaultKind::Message);
            } else if (measure) {
                WarnAboutLayout(std::get<std::vector<DefinitionItem>>(parsed), row, measure, lesson,
                                line, report);
            }
        });
}

} // namespace lumora
