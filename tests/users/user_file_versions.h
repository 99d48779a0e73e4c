#pragma once
// Two known versions of the three files the program writes for its users
// (usr.t, the user's pkt.txt and ini_hdd.t), built and saved through the
// program's own writers. The versions differ in size, so a file cut short or
// mixed from both is told apart from either.
#include "course/course_data.h"
#include "users/session.h"
#include "users/user_registry.h"

#include <optional>
#include <string>
#include <vector>

namespace lumora::test {

class UserFileVersion {
  public:
    // A small version (few users, lessons and digits) or a large one, kept
    // in the user folder `folder` (ending in '/').
    UserFileVersion(const std::string& folder, bool large);

    // Saves the three files in turn; the messages of the saves that failed.
    std::vector<std::string> SaveAll() const;

    // The bytes each file holds once this version is saved, in the order
    // of Paths().
    std::vector<std::string> Bytes() const;
    std::vector<std::string> Paths() const;

    const CourseData& Data() const { return course_; }
    Session& Learner() { return session_; }
    PointsTable& Points() { return session_.points; }

  private:
    CourseData course_;
    UserList users_;
    Session session_;
};

// The names in a folder that are temporaries of a save, left by a killed one.
std::vector<std::string> TemporariesIn(const std::string& folder);

} // namespace lumora::test
