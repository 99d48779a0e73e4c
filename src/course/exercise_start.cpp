#include "exercise_start.h"

#include "lesson_kinds.h"
#include "platform/text_helpers.h"

#include <map>

namespace lumora {
namespace {

std::map<int, ExerciseOpener>& Registry() {
    static std::map<int, ExerciseOpener> registry;
    return registry;
}

} // namespace

void RegisterExerciseScreen(int code, ExerciseOpener opener) {
    Registry()[code] = std::move(opener);
}

void ClearExerciseScreens() {
    Registry().clear();
}

bool HasExerciseScreen(int code) {
    return Registry().count(code) != 0;
}

void StartExercise(CourseData& course, int index) {
    const SteeringRow* row = course.Steering(index);
    if (row == nullptr) {
        return;
    }
    course.CurrentContent = row->Content;
    course.CurrentRow = index;
    course.CurrentCode = row->Code;
    if (LessonKindOf(row->Code).selectsDataRows) {
        SelectDataRows(course, course.CurrentContent);
    }
    const auto it = Registry().find(row->Code);
    if (it != Registry().end() && it->second) {
        it->second(course);
    }
}

namespace {
std::function<void()>& LessonClosedHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

void SetLessonClosedHandler(std::function<void()> handler) {
    LessonClosedHandler() = std::move(handler);
}

void NotifyLessonClosed() {
    if (LessonClosedHandler()) {
        LessonClosedHandler()();
    }
}

void SelectDataRows(CourseData& course, const std::string& key) {
    const std::string wanted = LowerCase(key);
    course.SelectedRows.clear();
    course.SelectedDone.clear();
    for (std::size_t i = 0; i < course.DataTable.size(); ++i) {
        if (course.DataTable[i].GroupKey == wanted) {
            course.SelectedRows.push_back(static_cast<int>(i + 1));
            course.SelectedDone.push_back(0);
        }
    }
}

} // namespace lumora
