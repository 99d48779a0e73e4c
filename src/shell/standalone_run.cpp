#include "standalone_run.h"

namespace lumora {

StandaloneRun::StandaloneRun(SoundService& sound, Recording& recording)
    : result(course, sound), information(course),
      dialogs(result, information), context{course, session, sound, recording, dialogs} {}

} // namespace lumora
