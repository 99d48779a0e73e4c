// The learner's settings file ini_hdd.t, read and written back.
#include "course/course_loaders.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kUserSettingsFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    LoadUserSettings(course, report);
    // What was read is written and read again unchanged.
    const int anim = course.AnimMenu, set = course.SoundSet, autoPlay = course.AutoPlay;
    fuzz::Require(!SaveUserSettings(course), "the settings could not be written");
    LoadUserSettings(course, report);
    fuzz::Require(course.AnimMenu == anim && course.SoundSet == set && course.AutoPlay == autoPlay,
                  "the settings changed on a round trip");
    return 0;
}
