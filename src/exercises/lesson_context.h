#pragma once
// What a lesson screen works with, handed to it when it is made: the course
// (with the current lesson), the learner's points and the sound service.
// The program makes one at start-up; tests make their own.
#include "course/course_data.h"
#include "sound/sound_service.h"
#include "users/points_table.h"

namespace lumora {

struct LessonContext {
    CourseData& course;
    PointsTable& points;
    SoundService& sound;
};

// The program's course, points table and sound service.
inline LessonContext ProgramLessonContext() {
    return {Course(), CurrentPoints(), Sound()};
}

} // namespace lumora
