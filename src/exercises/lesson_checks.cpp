#include "lesson_checks.h"

#include "course/course_file_names.h"
#include "course/lesson_kinds.h"
#include "course/lesson_list_check.h"
#include "definitions/definitions_check.h"
#include "drag_drop/drag_drop_check.h"
#include "exercise_header.h"
// The headers of every kind's checks, as the kinds declare them.
#include "lesson_kind_checks/kind_check_headers.inc"

#include <set>
#include <utility>
#include <variant>

namespace lumora {
namespace {

// A content parser's fault, or nothing when the content parses.
template <auto Parse> std::optional<std::string> ParseFault(const StRecord& record) {
    const auto parsed = Parse(record.StBody);
    if (const auto* fault = std::get_if<std::string>(&parsed)) {
        return *fault;
    }
    return std::nullopt;
}

// One row per lesson kind whose content the checker reads.
struct KindCheck {
    int code;
    ContentCheck check;
};
constexpr KindCheck kChecks[] = {
#include "lesson_kind_checks/kind_content_checks.inc"
};

// Kinds that read files of their own, and the sentence lessons, check every
// lesson of the course at once, each file or data row once, naming the file
// and its line; a fault says whether it only warns.
using CourseCheck = std::vector<LoadFault> (*)(const CourseData& course);
constexpr CourseCheck kCourseChecks[] = {
#include "lesson_kind_checks/kind_course_checks.inc"
};

std::string LessonName(const SteeringRow& row) {
    return "lesson \"" + row.Title + "\" of " + row.TopicFolder + " (code " +
           std::to_string(row.Code) + ")";
}

void CheckStoryLesson(const CourseData& course, const SteeringRow& row, LoadReport& report) {
    const StoryLesson lesson = ReadStoryLesson(course, row.Content);
    if (lesson.record == nullptr) {
        report.Fault(kSteeringFile, row.Line,
                     "record " + row.Content + " for " + LessonName(row) + ": " + *lesson.fault,
                     FaultKind::CheckOnly);
        return;
    }
    const int line = lesson.record->Line;
    if (lesson.fault) {
        report.Fault(kStFile, line, "record " + row.Content + ": " + *lesson.fault,
                     FaultKind::CheckOnly);
        return;
    }
    if (const ContentCheck check = ContentCheckFor(row.Code)) {
        if (const std::optional<std::string> fault = check(*lesson.record)) {
            report.Fault(kStFile, line + 1, "record " + row.Content + ": " + *fault,
                         FaultKind::CheckOnly);
        }
    }
}

} // namespace

ContentCheck ContentCheckFor(int code) {
    for (const KindCheck& row : kChecks) {
        if (row.code == code) {
            return row.check;
        }
    }
    return nullptr;
}

void CheckLessons(const CourseData& course, LoadReport& report) {
    CheckLessonList(course, report);
    std::set<std::pair<int, std::string>> checked;
    for (const SteeringRow& row : course.SteeringTable) {
        if (IsStoryCode(row.Code) && checked.insert({row.Code, row.Content}).second) {
            CheckStoryLesson(course, row, report);
        }
    }
    for (const CourseCheck check : kCourseChecks) {
        for (LoadFault fault : check(course)) {
            // A lesson's fault never stops anything: unless it only warns,
            // it concerns the checker alone.
            if (fault.kind != FaultKind::Warning) {
                fault.kind = FaultKind::CheckOnly;
            }
            report.Fault(fault);
        }
    }
}

void CheckLessonLayouts(const CourseData& course, LoadReport& report,
                        const LayoutMeasures& measures) {
    // The sorting checks read the content too; its faults are already
    // reported by CheckLessons.
    LoadReport warnings(
        [&report](const LoadFault& f) {
            if (f.kind == FaultKind::CheckOnly) {
                report.Fault(f);
            }
        },
        false);
    CheckDragDropLessons(course, warnings, measures.tableWord);
    CheckDefinitionsLessons(course, warnings, measures.definitionText);
}

} // namespace lumora
