#include "login.h"

#include "course/course_data.h"
#include "platform/message_box.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "session.h"
#include "user_registry.h"

namespace lumora {

std::optional<std::string> LogIn(const CourseData& course, Session& session, const UserList& users,
                                 int index) {
    const UserEntry* user = users.At(index);
    if (user == nullptr) {
        return "No user number " + std::to_string(index) + ".";
    }
    session.CurrentUserName = Trim(user->Name);
    session.CurrentUserFolder =
        WithTrailingSlash(ResolvePath(course.UserDataFolder, std::to_string(user->Id)));
    if (!DirectoryExists(session.CurrentUserFolder)) {
        if (auto error = CreateFolder(session.CurrentUserFolder)) {
            return error;
        }
    }
    PointsTable& points = session.points;
    const PointsLoad loaded = points.LoadPoints(session.CurrentUserFolder);
    if (loaded.error) {
        return loaded.error;
    }
    if (loaded.damage) {
        ShowMessage(*loaded.damage);
    }
    // A new points file is built from the course; a short or damaged one
    // gains the rows it did not hold, and a damaged one is saved whole again
    // at once, its original kept aside.
    const bool fresh = points.Count() == 0;
    points.FillFromSteering(course);
    if (fresh || loaded.damage) {
        return points.SavePoints(session.CurrentUserFolder);
    }
    return std::nullopt;
}

} // namespace lumora
