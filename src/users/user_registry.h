#pragma once
// The user list "usr.t": one "Id=Name" line per learner, in creation order.
#include <optional>
#include <string>
#include <vector>

namespace lumora {

struct UserEntry {
    std::string Name;
    int Id = 0;
};

struct UserListFault {
    int line = 0;
    std::string message;
};

class UserList {
  public:
    static constexpr int kMaxUsers = 150;
    static constexpr int kMaxNameLength = 17;

    // Reads usr.t from the user data folder; an absent file gives an empty
    // list. Lines without "=" are skipped; a line whose identifier is not a
    // number, and lines beyond the list's capacity, are skipped and reported.
    std::vector<UserListFault> Read(const std::string& path);

    // Rewrites usr.t from the whole list; returns the error text on failure.
    std::optional<std::string> Write(const std::string& path) const;

    const std::vector<UserEntry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const UserEntry* At(int index) const; // 1-based

    enum class NameCheck { Accepted, Duplicate, Full };
    struct NewUser {
        NameCheck result = NameCheck::Accepted;
        UserEntry entry; // filled when accepted
    };

    // Checks a typed name: trimmed, compared with every name with only A-Z
    // folded, given the highest identifier + 1. An accepted name is appended.
    NewUser AddNewName(const std::string& typed);

    void Append(UserEntry entry) { entries_.push_back(std::move(entry)); }

  private:
    std::vector<UserEntry> entries_;
};

// The message shown when a typed name is taken already.
inline constexpr const char* kDuplicateUserMessage =
    "Wpisany identyfikator już istnieje. Proszę wprowadzić inny.";

} // namespace lumora
