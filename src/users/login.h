#pragma once
// Logging in: the chosen user becomes the current one, their folder is made
// when missing and their points are loaded, or built from the course and
// saved when they have none yet. Lessons the points file does not cover get
// their rows from the course; a damaged points file is reported, kept aside
// as a copy and saved whole again.
#include "platform/presence_lock.h"

#include <memory>
#include <optional>
#include <string>

namespace lumora {

struct CourseData;
struct Session;
class UserList;

struct LearnerPresence;

// Logs in as entry `index` (1-based) of the list. Returns the error text of
// a folder or file that could not be made, read or written. With `presence`,
// the learner's folder is marked open on this computer there.
std::optional<std::string> LogIn(const CourseData& course, Session& session, const UserList& users,
                                 int index, LearnerPresence* presence = nullptr);

// Held in the learner's folder while a copy of the program has the learner
// logged in, with the computer's name in it.
inline constexpr const char* kLoginLockFile = "login.lock";

struct LearnerPresence {
    std::unique_ptr<PresenceLock> lock; // keep it for as long as the learner works
    // Said when another copy, here or on another computer of a class that
    // shares the folder, has the learner logged in already; the learner may
    // go on, since saves keep the best of both.
    std::optional<std::string> warning;
};

// Marks the logged-in learner's folder as open on this computer.
LearnerPresence MarkLearnerOpen(const Session& session);

} // namespace lumora
