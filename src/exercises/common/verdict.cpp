#include "verdict.h"

#include "platform/text_file.h"

namespace lumora {

std::string VerdictSound(const CourseData& course, bool allRight) {
    return course.DataPath("wav\\" + (allRight ? PraiseSoundName() : FailureSoundName()));
}

void PlayVerdict(const CourseData& course, SoundService& sound, bool allRight) {
    const std::string path = VerdictSound(course, allRight);
    if (FileExists(path)) {
        sound.PlaySideSound(path);
    }
}

} // namespace lumora
