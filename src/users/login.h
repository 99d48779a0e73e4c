#pragma once
// Logging in: the chosen user becomes the current one, their folder is made
// when missing and their points are loaded, or built from the course and
// saved when they have none yet. Lessons the points file does not cover get
// their rows from the course; a damaged points file is reported, kept aside
// as a copy and saved whole again.
#include <optional>
#include <string>

namespace lumora {

struct CourseData;
struct Session;
class UserList;

// Logs in as entry `index` (1-based) of the list. Returns the error text of
// a folder or file that could not be made, read or written.
std::optional<std::string> LogIn(const CourseData& course, Session& session, const UserList& users,
                                 int index);

} // namespace lumora
