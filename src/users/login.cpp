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
                                 int index, LearnerPresence* presence) {
    const UserEntry* user = users.At(index);
    if (user == nullptr) {
        return "No user number " + std::to_string(index) + ".";
    }
    session.CurrentUserName = Trim(user->Name);
    session.CurrentUserFolder =
        WithTrailingSlash(ResolvePath(course.LearnersFolder(), std::to_string(user->Id)));
    if (!DirectoryExists(session.CurrentUserFolder)) {
        if (auto error = CreateFolder(session.CurrentUserFolder)) {
            return error;
        }
    }
    if (presence != nullptr) {
        *presence = MarkLearnerOpen(session);
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
        return points.MergeAndSave(session.CurrentUserFolder);
    }
    return std::nullopt;
}

LearnerPresence MarkLearnerOpen(const Session& session) {
    LearnerPresence presence;
    presence.lock = std::make_unique<PresenceLock>(session.CurrentUserFolder + kLoginLockFile);
    if (presence.lock->Result() != PresenceLock::State::Elsewhere) {
        return presence;
    }
    const std::string& holder = presence.lock->Holder();
    std::string where = "na innym komputerze";
    if (holder == ComputerName() && !holder.empty()) {
        where = "na tym komputerze (na innym koncie)";
    } else if (!holder.empty()) {
        where = "na komputerze „" + holder + "”";
    }
    presence.warning = session.CurrentUserName + " ma już otwarty kurs " + where +
                       ". Możesz pracować dalej: punkty z obu komputerów zostaną zachowane.";
    return presence;
}

} // namespace lumora
