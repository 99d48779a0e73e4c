#pragma once
// The sound that answers a check: the praise of the learner's sound set when
// everything was right, its failure sound otherwise, played on the side
// player so a paused recording keeps its place.
#include "course/course_data.h"
#include "sound/sound_service.h"

#include <string>

namespace lumora {

// The feedback sound's path in the course's "wav" folder.
std::string VerdictSound(const CourseData& course, int soundSet, bool allRight);

// Plays the verdict; a course without the sound plays nothing and says nothing.
void PlayVerdict(const CourseData& course, SoundService& sound, int soundSet, bool allRight);

} // namespace lumora
