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

void PlayCues(const CourseData& course, SoundService& sound, int soundSet,
              const std::vector<Cue>& cues, const std::string& itemSound) {
    for (const Cue& cue : cues) {
        const std::string path =
            cue.sound == Cue::Sound::Item
                ? itemSound
                : VerdictSound(course, soundSet, cue.sound == Cue::Sound::Praise);
        sound.PlaySound(path, cue.interrupt ? SoundMode::Interrupt : SoundMode::Next);
    }
}

} // namespace lumora
