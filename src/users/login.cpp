#include "login.h"

#include "course/course_data.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "points_table.h"
#include "user_registry.h"

namespace lumora {

std::optional<std::string> LogIn(CourseData& course, PointsTable& points, const UserList& users,
                                 int index) {
    const UserEntry* user = users.At(index);
    if (user == nullptr) {
        return "No user number " + std::to_string(index) + ".";
    }
    course.CurrentUserName = Trim(user->Name);
    course.CurrentUserFolder =
        WithTrailingSlash(ResolvePath(course.UserDataFolder, std::to_string(user->Id)));
    if (!DirectoryExists(course.CurrentUserFolder)) {
        if (auto error = CreateFolder(course.CurrentUserFolder)) {
            return error;
        }
    }
    if (auto error = points.LoadPoints(course.CurrentUserFolder)) {
        return error;
    }
    if (points.Count() == 0) {
        points.InitPointsFromSteering(course);
        return points.SavePoints(course.CurrentUserFolder, course.SteeringTable.size());
    }
    return std::nullopt;
}

} // namespace lumora
