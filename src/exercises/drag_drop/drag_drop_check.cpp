#include "drag_drop_check.h"

#include "course/course_loaders.h"
#include "drag_drop_content.h"
#include "exercises/common/story_lessons.h"
#include "platform/text_helpers.h"

namespace lumora {
namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// The screen's layout of the content with these label sizes; the row is a
// copy, so the course keeps its zeros.
void WarnAboutLayout(const DragDropContent& content, SteeringRow row, const LabelMeasure& measure,
                     const std::string& lesson, int line, LoadReport& report) {
    const DragDropBoard board = SetUpBoard(content, row, measure);
    const Edges frame = board.Table().Frame();
    if (frame.left < 0 || frame.right > kScreenWidth || frame.bottom > kScreenHeight) {
        report.Fault(ReportName(kStFile), line,
                     lesson + "the table (" + std::to_string(frame.left) + ".." +
                         std::to_string(frame.right) + " x " + std::to_string(frame.top) + ".." +
                         std::to_string(frame.bottom) + ") does not fit on the screen.",
                     FaultKind::CheckOnly);
    }
    for (int w = 0; w < board.Count(); ++w) {
        if (board.Home(w).top + board.Label(w).height > kScreenHeight) {
            report.Fault(ReportName(kStFile), line,
                         lesson + "the pool runs below the screen from \"" + board.Word(w).text +
                             "\" on.",
                         FaultKind::CheckOnly);
            break;
        }
    }
}

} // namespace

void CheckDragDropLessons(const CourseData& course, LoadReport& report,
                          const LabelMeasure& measure) {
    ForEachLessonRecord(
        course, kDragAndDropCode, report,
        [&](const SteeringRow& row, const std::string& lesson, int line, const StRecord& record) {
            auto parsed = ParseDragDropContent(record.StBody);
            if (auto* error = std::get_if<std::string>(&parsed)) {
                report.Fault(ReportName(kStFile), line, lesson + *error, FaultKind::Message);
            } else if (measure) {
                WarnAboutLayout(std::get<DragDropContent>(parsed), row, measure, lesson, line,
                                report);
            }
        });
}

} // namespace lumora
