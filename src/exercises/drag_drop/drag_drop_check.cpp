#include "drag_drop_check.h"

#include "course/course_loaders.h"
#include "drag_drop_content.h"
#include "platform/text_helpers.h"

namespace lumora {
namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

std::string Lesson(const SteeringRow& row, int index) {
    return "Lesson " + std::to_string(index) + " (" + row.TopicFolder + ", record " + row.Content +
           "): ";
}

// The record of the lesson, or what is wrong with its number.
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
    for (std::size_t i = 0; i < course.SteeringTable.size(); ++i) {
        const SteeringRow& row = course.SteeringTable[i];
        if (row.Code != kDragAndDropCode) {
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
        auto parsed = ParseDragDropContent(record->StBody);
        if (auto* error = std::get_if<std::string>(&parsed)) {
            report.Fault(ReportName(kStFile), line, lesson + *error, FaultKind::Message);
        } else if (measure) {
            WarnAboutLayout(std::get<DragDropContent>(parsed), row, measure, lesson, line, report);
        }
    }
}

} // namespace lumora
