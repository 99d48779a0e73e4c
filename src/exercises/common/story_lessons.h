#pragma once
// The course checker's walk over the story lessons of one kind: each lesson's
// St.t record. Lessons that name no loaded record are passed over here; the
// lesson checks report them once for every kind.
#include "course/course_data.h"
#include "course/course_file_names.h"
#include "course/course_loaders.h"
#include "course/load_report.h"
#include "platform/text_helpers.h"

namespace lumora {

// Calls visit(row, record) for every steering row of that code whose content
// names a loaded St.t record.
template <class Visit> void ForEachStoryLesson(const CourseData& course, int code, Visit&& visit) {
    for (const SteeringRow& row : course.SteeringTable) {
        if (row.Code != code) {
            continue;
        }
        const StRecord* record = nullptr;
        try {
            record = course.St(StrictInt(row.Content));
        } catch (const ConversionError&) {
        }
        if (record != nullptr) {
            visit(row, *record);
        }
    }
}

// For the checkers of kinds whose content a load may refuse: calls
// visit(row, lesson, line, record) for every steering row of that code whose
// record exists, where lesson names the row ("Lesson n (topic, record r): ")
// and line is the St.t line of the record's content. A row whose record is
// missing or badly numbered is reported on "Steruj.t" instead.
template <class Visit>
void ForEachLessonRecord(const CourseData& course, int code, LoadReport& report, Visit&& visit) {
    for (std::size_t i = 0; i < course.SteeringTable.size(); ++i) {
        const SteeringRow& row = course.SteeringTable[i];
        if (row.Code != code) {
            continue;
        }
        const std::string lesson = "Lesson " + std::to_string(i + 1) + " (" + row.TopicFolder +
                                   ", record " + row.Content + "): ";
        const StRecord* record = nullptr;
        std::string fault = "the course has no such record.";
        try {
            record = course.St(StrictInt(row.Content));
        } catch (const ConversionError& e) {
            fault = e.what();
        }
        if (record == nullptr) {
            report.Fault(ReportName(kSteeringFile), row.Line, lesson + fault, FaultKind::Message);
            continue;
        }
        // The content stands on the line below the record's head.
        visit(row, lesson, record->Line + 1, *record);
    }
}

} // namespace lumora
