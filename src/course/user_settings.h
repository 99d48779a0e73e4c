#pragma once
// The settings of this computer account's copy of the program, "ini_hdd.t"
// in the user data folder: the menu animation, the sound set of praise and
// failure and whether lesson media start by themselves.
#include "course_data.h"
#include "load_report.h"

#include <optional>
#include <string>

namespace lumora {

struct UserSettings {
    int AnimMenu = 0;
    int SoundSet = 1;
    int AutoPlay = 0;
};

// Reads ini_hdd.t from the course's user data folder; a missing file is
// written with the defaults.
void LoadUserSettings(const CourseData& course, UserSettings& settings, LoadReport& report);
// Rewrites ini_hdd.t from the three settings; returns the error text on failure.
std::optional<std::string> SaveUserSettings(const CourseData& course, const UserSettings& settings);

} // namespace lumora
