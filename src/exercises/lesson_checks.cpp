#include "lesson_checks.h"

#include "course/course_file_names.h"
#include "course/lesson_kinds.h"
#include "course/lesson_list_check.h"
#include "crossword/crossword_check.h"
#include "definitions/definitions_check.h"
#include "definitions/definitions_content.h"
#include "drag_drop/drag_drop_check.h"
#include "drag_drop/drag_drop_content.h"
#include "exercise_header.h"
#include "multiple_choice/choice_content.h"
#include "presentation/vocabulary_check.h"
#include "reveal/reveal_check.h"
#include "sentences/sentence_check.h"
#include "true_false/true_false_content.h"
#include "typing/typing_check.h"
#include "word_search/word_search_check.h"

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
    {kMultipleChoiceCode, ParseFault<ParseChoiceContent>},
    {kDragAndDropCode, ParseFault<ParseDragDropContent>},
    {kDefinitionsCode, ParseFault<ParseDefinitionsContent>},
    {kTrueFalseCode, ParseFault<ParseTrueFalseContent>},
};

// Kinds that read files of their own check every lesson of the course at
// once, each file once, naming the file and its line.
using CourseCheck = std::vector<LoadFault> (*)(const CourseData& course);
constexpr CourseCheck kCourseChecks[] = {
    CheckTypingLessons,
    CheckRevealGames,
    CheckCrosswords,
    CheckVocabularyLessons,
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
        for (const LoadFault& fault : check(course)) {
            report.Fault(fault.file, fault.line, fault.message, FaultKind::CheckOnly);
        }
    }
    CheckWordSearches(course, report);
    // The sentence lessons' faults, each at its data.t line or its lesson's;
    // some only warn, as the lesson still runs.
    for (const SentenceFault& fault : CheckSentenceLessons(course)) {
        report.Fault(fault.where.file, fault.where.line, fault.where.message,
                     fault.warning ? FaultKind::Warning : FaultKind::CheckOnly);
    }
}

void CheckLessonLayouts(const CourseData& course, LoadReport& report,
                        const LayoutMeasures& measures) {
    // The sorting checks read the content too; its faults are already
    // reported by CheckLessons.
    LoadReport warnings(
        [&report](const LoadFault& f, FaultKind kind) {
            if (kind == FaultKind::CheckOnly) {
                report.Fault(f.file, f.line, f.message, kind);
            }
        },
        false);
    CheckDragDropLessons(course, warnings, measures.tableWord);
    CheckDefinitionsLessons(course, warnings, measures.definitionText);
}

} // namespace lumora
