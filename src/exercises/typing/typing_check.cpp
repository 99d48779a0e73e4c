#include "typing_check.h"

#include "exercises/common/story_lessons.h"
#include "typing_file.h"

namespace lumora {

std::vector<LoadFault> CheckTypingLessons(const CourseData& course) {
    std::vector<LoadFault> faults;
    ForEachStoryLesson(course, kTypingCode, [&](const SteeringRow&, const StRecord& record) {
        const auto read = ReadTypingFile(course, record.StBody);
        if (const auto* fault = std::get_if<LoadFault>(&read)) {
            faults.push_back(*fault);
        }
    });
    return faults;
}

} // namespace lumora
