#pragma once
// The course checker's walk over the story lessons of one kind: each lesson's
// St.t record, or a fault when the lesson names none that was loaded.
#include "course/course_data.h"
#include "course/load_report.h"
#include "platform/text_helpers.h"

#include <string>
#include <vector>

namespace lumora {

// Calls visit(row, record) for every steering row of that code whose content
// names a loaded St.t record; for the others adds a fault on "Steruj.t".
template <class Visit>
void ForEachStoryLesson(const CourseData& course, int code, std::vector<LoadFault>& faults,
                        Visit&& visit) {
    for (const SteeringRow& row : course.SteeringTable) {
        if (row.Code != code) {
            continue;
        }
        const StRecord* record = nullptr;
        try {
            record = course.St(StrictInt(row.Content));
        } catch (const ConversionError&) {
        }
        if (record == nullptr) {
            faults.push_back({"Steruj.t", 0,
                              "lesson " + row.Content + " of " + row.TopicFolder + " (code " +
                                  std::to_string(code) + ") names no St.t record."});
            continue;
        }
        visit(row, *record);
    }
}

} // namespace lumora
