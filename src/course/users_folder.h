#pragma once
// Which folder holds the learners ("usr.t" and one folder per learner). A
// class that moves between computers shares one on the school's network, so
// that points follow the learners; the settings stay with each computer
// account.
#include <string>
#include <vector>

namespace lumora {

// The system-wide setting: lumora/lumora.conf in a configuration folder,
// with the line "users=/absolute/folder".
inline constexpr const char* kSystemSettingFile = "lumora/lumora.conf";
inline constexpr const char* kUsersSettingKey = "users";

struct UsersFolderChoice {
    std::string folder; // with a trailing slash
    std::string rule;   // said by --version
    // Chosen by the option, the variable or the setting rather than being the
    // account's own folder: it must exist already, since a missing one is
    // likely a network share that is not mounted.
    bool chosen = false;
    // A fault of the setting file, naming its file and line; the account's
    // own folder is used then. Empty when there is none.
    std::string problem;
};

// --users DIR, else LUMORA_USERS, else the first setting file of the
// configuration folders (most important first) that sets it, else the
// account's own folder.
UsersFolderChoice ChooseUsersFolderFrom(const std::string& usersOption,
                                        const std::vector<std::string>& configFolders,
                                        const std::string& accountFolder);
// The same with the system's configuration folders and the account's folder.
UsersFolderChoice ChooseUsersFolder(const std::string& usersOption);

// Shown when a chosen learners' folder is not there; the program then ends.
std::string MissingUsersFolderMessage(const UsersFolderChoice& choice);

} // namespace lumora
