#pragma once
// The course checker's walk over the story lessons of one kind: each lesson's
// St.t record. Lessons that name no loaded record are passed over here; the
// lesson checks report them once for every kind.
#include "course/course_data.h"
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

} // namespace lumora
