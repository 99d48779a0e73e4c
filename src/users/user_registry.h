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
    int line = 0; // 0 when the fault concerns the whole file
    std::string message;
};

class UserList {
  public:
    static constexpr int kMaxUsers = 150;
    static constexpr int kMaxNameLength = 17;

    // Reads usr.t; an absent file gives an empty list. A line whose identifier
    // is not a number, a line beyond the list's capacity, a repeated
    // identifier and a file that cannot be read are reported. Every line is
    // kept as it was read, understood or not, and written back unchanged.
    // Stale temporary files of an interrupted save are removed first, under
    // the lock that AddAndSave takes.
    std::vector<UserListFault> Read(const std::string& path);

    // Read without touching the folder (no lock, no clean-up), for a reader
    // that must never write there while a class works in it.
    std::vector<UserListFault> ReadOnly(const std::string& path);

    // Rewrites usr.t: the lines as read, then the users added since. A list
    // whose file could not be read is never written; the error says so.
    std::optional<std::string> Write(const std::string& path) const;

    const std::vector<UserEntry>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const UserEntry* At(int index) const; // 1-based

    enum class NameCheck { Accepted, Duplicate, Unwritable, Full, Failed };
    struct NewUser {
        NameCheck result = NameCheck::Accepted;
        UserEntry entry;    // filled when accepted
        std::string detail; // Unwritable: the first character Windows-1250
                            // lacks; Failed: the message saying why
    };

    // Checks a typed name: trimmed, refused when it holds a character that
    // Windows-1250 lacks, compared with every name with only A-Z folded. An
    // accepted name is appended with an identifier above every one in the
    // file, read or not, and above every numbered folder beside it, so that a
    // new learner never gets an existing learner's folder.
    NewUser AddNewName(const std::string& typed);

    // AddNewName on the file as it stands, then the file rewritten. Under an
    // exclusive lock beside the file, the file is read again and the folders
    // beside it scanned again just before the identifier is chosen, so that
    // another copy of the program that added a learner since this list was
    // read neither loses that learner nor shares an identifier with ours.
    // The learner's folder is made under the lock too, before the file is
    // written.
    // When the name is accepted and written the list becomes the file as
    // written; otherwise it stays as it was.
    NewUser AddAndSave(const std::string& path, const std::string& typed);

    void Append(UserEntry entry);

  private:
    std::vector<UserListFault> ReadUnlocked(const std::string& path);

    std::vector<UserEntry> entries_;
    // The file's lines in Windows-1250, as read or as made for added users.
    std::vector<std::string> lines_;
    int highestSeen_ = 0;                   // in lines not understood and in folder names
    std::optional<std::string> unreadable_; // why the file could not be read
};

// All faults of the user list as one message, the file's path last; empty
// when there are none.
std::string DescribeUserListFaults(const std::vector<UserListFault>& faults,
                                   const std::string& path);

// The message shown when a typed name holds a character usr.t cannot store.
std::string UnwritableCharacterMessage(const std::string& character);

// The message shown when a typed name is taken already.
inline constexpr const char* kDuplicateUserMessage =
    "Wpisany identyfikator już istnieje. Proszę wprowadzić inny.";

} // namespace lumora
