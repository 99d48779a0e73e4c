#include "lesson_state.h"

#include "lesson_kinds.h"
#include "platform/text_helpers.h"

namespace lumora {

SteeringRow* CurrentLayoutRow(const CourseData& course, LessonState& lesson) {
    const auto kept = lesson.KeptLayouts.find(lesson.CurrentRow);
    if (kept != lesson.KeptLayouts.end()) {
        return &kept->second;
    }
    const SteeringRow* row = course.Steering(lesson.CurrentRow);
    if (row == nullptr) {
        return nullptr;
    }
    return &lesson.KeptLayouts.emplace(lesson.CurrentRow, *row).first->second;
}

bool BeginLesson(const CourseData& course, LessonState& lesson, int index) {
    const SteeringRow* row = course.Steering(index);
    if (row == nullptr) {
        return false;
    }
    lesson.CurrentContent = row->Content;
    lesson.CurrentRow = index;
    lesson.CurrentCode = row->Code;
    if (LessonKindOf(row->Code).selectsDataRows) {
        SelectDataRows(course, lesson, lesson.CurrentContent);
    }
    return true;
}

void SelectDataRows(const CourseData& course, LessonState& lesson, const std::string& key) {
    const std::string wanted = LowerCase(key);
    lesson.SelectedRows.clear();
    lesson.SelectedDone.clear();
    for (std::size_t i = 0; i < course.DataTable.size(); ++i) {
        if (course.DataTable[i].GroupKey == wanted) {
            lesson.SelectedRows.push_back(static_cast<int>(i + 1));
            lesson.SelectedDone.push_back(0);
        }
    }
}

} // namespace lumora
