#include "true_false_check.h"

#include "exercises/story_lessons.h"
#include "true_false_content.h"

namespace lumora {

std::vector<LoadFault> CheckTrueFalseLessons(const CourseData& course) {
    std::vector<LoadFault> faults;
    ForEachStoryLesson(course, kTrueFalseCode, faults,
                       [&faults](const SteeringRow&, const StRecord& record) {
                           const auto parsed = ParseTrueFalseContent(record.StBody);
                           if (const auto* fault = std::get_if<std::string>(&parsed)) {
                               faults.push_back({"St.t", record.line + 1, *fault});
                           }
                       });
    return faults;
}

} // namespace lumora
