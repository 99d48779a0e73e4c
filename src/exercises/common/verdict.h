#pragma once
// The one place that plays what a check judged: the praise of the learner's
// sound set when everything was right, its failure sound otherwise, either
// beside what plays (on the side player, so a paused recording keeps its
// place) or as a step's cues on the main queue.
#include "course/course_data.h"
#include "exercises/common/lesson_step.h"
#include "sound/sound_service.h"

#include <string>
#include <vector>

namespace lumora {

// The feedback sound's path in the course's "wav" folder.
std::string VerdictSound(const CourseData& course, int soundSet, bool allRight);

// Plays the verdict on the side player; a course without the sound plays
// nothing and says nothing.
void PlayVerdict(const CourseData& course, SoundService& sound, int soundSet, bool allRight);

// Plays a step's cues in order on the main queue; an item cue plays
// `itemSound`.
void PlayCues(const CourseData& course, SoundService& sound, int soundSet,
              const std::vector<Cue>& cues, const std::string& itemSound = {});

} // namespace lumora
