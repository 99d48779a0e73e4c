#include "verdict.h"

#include "platform/text_file.h"

namespace lumora {

std::string VerdictSound(const CourseData& course, int soundSet, bool allRight) {
    return course.DataPath("wav\\" +
                           (allRight ? PraiseSoundName(soundSet) : FailureSoundName(soundSet)));
}

void PlayVerdict(const CourseData& course, SoundService& sound, int soundSet, bool allRight) {
    const std::string path = VerdictSound(course, soundSet, allRight);
    if (FileExists(path)) {
        sound.PlaySideSound(path);
    }
}

} // namespace lumora
