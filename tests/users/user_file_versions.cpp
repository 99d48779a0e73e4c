#include "user_file_versions.h"

#include "course/course_file_names.h"
#include "course/user_settings.h"
#include "platform/text_file.h"

#include <dirent.h>

namespace lumora::test {

UserFileVersion::UserFileVersion(const std::string& folder, bool large) {
    course_.UserDataFolder = folder;
    session_.CurrentUserFolder = folder + "1/";
    session_.settings.AnimMenu = large ? 123456789 : 0;
    session_.settings.SoundSet = large ? 987654321 : 1;
    session_.settings.AutoPlay = large ? 1 : 0;
    const int userCount = large ? UserList::kMaxUsers : 3;
    for (int id = 1; id <= userCount; ++id) {
        users_.Append({"Uczeń " + std::to_string(id) + (large ? " Żółkiewski" : ""), id});
    }
    const int lessons = large ? PointsTable::kMaxRows : 40;
    for (int k = 1; k <= lessons; ++k) {
        SteeringRow row;
        row.Content = "lekcja_" + std::to_string(k);
        row.Code = 30 + k % 50;
        course_.SteeringTable.push_back(row);
    }
    session_.points.InitPointsFromSteering(course_);
    for (int k = 1; k <= lessons; k += 3) {
        session_.points.Apply("lekcja_" + std::to_string(k), 30 + k % 50, large ? 1000 + k : k);
    }
}

std::vector<std::string> UserFileVersion::Paths() const {
    return {course_.UserPath("usr.t"), session_.CurrentUserFolder + kPointsFile,
            course_.UserPath(kUserSettingsFile)};
}

std::vector<std::string> UserFileVersion::SaveAll() const {
    std::vector<std::string> failures;
    for (auto error :
         {users_.Write(Paths()[0]), session_.points.SavePoints(session_.CurrentUserFolder),
          SaveUserSettings(course_, session_.settings)}) {
        if (error) {
            failures.push_back(*error);
        }
    }
    return failures;
}

std::vector<std::string> UserFileVersion::Bytes() const {
    std::string points;
    for (const auto& row : session_.points.Rows()) {
        points += EncodePointsRecord(row);
    }
    std::vector<std::string> userLines;
    for (int i = 1; i <= users_.Count(); ++i) {
        userLines.push_back(std::to_string(users_.At(i)->Id) + "=" + users_.At(i)->Name);
    }
    return {JoinCp1250Lines(userLines), points,
            JoinCp1250Lines({"anim_menu=" + std::to_string(session_.settings.AnimMenu),
                             "sample=" + std::to_string(session_.settings.SoundSet),
                             "autoplay=" + std::to_string(session_.settings.AutoPlay)})};
}

std::vector<std::string> TemporariesIn(const std::string& folder) {
    std::vector<std::string> found;
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) {
        return found;
    }
    while (const dirent* e = ::readdir(d)) {
        if (std::string(e->d_name).find(".tmp.") != std::string::npos) {
            found.emplace_back(e->d_name);
        }
    }
    ::closedir(d);
    return found;
}

} // namespace lumora::test
