// The learner's settings file ini_hdd.t, read and written back.
#include "course/course_loaders.h"
#include "course/user_settings.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteScratchFile(kUserSettingsFile, fuzz::Bytes(data, size));
    CourseData course = fuzz::ScratchCourse();
    LoadReport report = fuzz::CheckingReport();
    UserSettings settings;
    LoadUserSettings(course, settings, report);
    // What was read is written and read again unchanged.
    const UserSettings read = settings;
    fuzz::Require(!SaveUserSettings(course, settings), "the settings could not be written");
    LoadUserSettings(course, settings, report);
    fuzz::Require(settings.AnimMenu == read.AnimMenu && settings.SoundSet == read.SoundSet &&
                      settings.AutoPlay == read.AutoPlay,
                  "the settings changed on a round trip");
    return 0;
}
