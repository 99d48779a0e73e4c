#pragma once
// A run outside the program, for the tools and tests that show screens on
// their own: a course the owner fills (and may change between screens), a
// session, the result box and the information screen with plain dialogs, and
// the context on them that screens are made with. The sound service and the
// recording are the owner's and must outlive the run. Needs the Qt
// application, since it makes two screens.
#include "course/course_data.h"
#include "elements/dialogs.h"
#include "users/run_context.h"

namespace lumora {

class StandaloneRun {
  public:
    StandaloneRun(SoundService& sound, Recording& recording);
    StandaloneRun(const StandaloneRun&) = delete;
    StandaloneRun& operator=(const StandaloneRun&) = delete;

    CourseData course;
    Session session;
    TWynik_Form result;
    TInformacjaForm information;
    PlainDialogs dialogs;
    RunContext context;
};

} // namespace lumora
