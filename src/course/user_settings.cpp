#include "user_settings.h"

#include "course_loaders.h"

#include "platform/text_file.h"
#include "user_file_message.h"

namespace lumora {
namespace {

struct SettingLine {
    const char* key;
    int UserSettings::*field;
    int defaultValue;
};

constexpr SettingLine kSettings[] = {
    {"anim_menu=", &UserSettings::AnimMenu, 0},
    {"sample=", &UserSettings::SoundSet, 1},
    {"autoplay=", &UserSettings::AutoPlay, 0},
};

std::string SettingsBytes(int animMenu, int soundSet, int autoPlay) {
    return JoinCp1250Lines({std::string(kSettings[0].key) + std::to_string(animMenu),
                            std::string(kSettings[1].key) + std::to_string(soundSet),
                            std::string(kSettings[2].key) + std::to_string(autoPlay)});
}

} // namespace

void LoadUserSettings(const CourseData& course, UserSettings& settings, LoadReport& report) {
    for (const SettingLine& s : kSettings) {
        settings.*s.field = s.defaultValue;
    }
    const std::string path = course.UserPath(kUserSettingsFile);
    RemoveStaleTemporaries(path);
    // A settings file that cannot be read or made is reported and the
    // settings keep their defaults: it never stops the course loading. One
    // that exists but cannot be read is left as it is.
    ReadFailure failure;
    auto lines = ReadTextLines(path, &failure);
    if (!lines && !failure.missing) {
        report.Fault(kUserSettingsFile, 0,
                     UserFileMessage("Nie można odczytać ustawień z pliku ini_hdd.t: " +
                                         failure.reason + ". Obowiązują ustawienia domyślne.",
                                     path),
                     FaultKind::Message);
        return;
    }
    if (!lines) {
        if (auto error = WriteFileAtomic(path, SettingsBytes(0, 1, 0))) {
            report.Fault(kUserSettingsFile, 0, *error, FaultKind::Message);
        }
        return;
    }
    // The values are read by line position; the key words are not compared.
    // A value that does not convert is reported and the setting keeps its
    // default.
    for (std::size_t i = 0; i < std::size(kSettings); ++i) {
        const SettingLine& s = kSettings[i];
        const std::string line = i < lines->size() ? (*lines)[i] : std::string();
        const std::size_t skip = std::char_traits<char>::length(s.key);
        try {
            settings.*s.field = StrictInt(DropChars(line, skip));
        } catch (const ConversionError& e) {
            report.Fault(kUserSettingsFile, static_cast<int>(i + 1), e.what(), FaultKind::Message);
        }
    }
}

std::optional<std::string> SaveUserSettings(const CourseData& course,
                                            const UserSettings& settings) {
    return WriteFileAtomic(course.UserPath(kUserSettingsFile),
                           SettingsBytes(settings.AnimMenu, settings.SoundSet, settings.AutoPlay));
}

} // namespace lumora
