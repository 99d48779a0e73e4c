#pragma once
// What the screens of one run work with, made once at start-up and handed to
// every screen when it is made: the course as loaded (only read), the
// session (the learner, the settings, the lesson being played, the points),
// the sound service with the voice recording, and the dialogs. Tests make
// their own.
#include "session.h"

namespace lumora {

struct CourseData;
class SoundService;
class Recording;
class Dialogs;

struct RunContext {
    const CourseData& course;
    Session& session;
    SoundService& sound;
    Recording& recording;
    Dialogs& dialogs;
};

} // namespace lumora
