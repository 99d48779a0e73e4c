#pragma once
// Where the program finds its course and keeps its users' files.
#include <string>
#include <vector>

namespace lumora {

// The folder of the running executable, ending in '/'.
std::string ExecutableFolder();

// $XDG_DATA_HOME (or ~/.local/share) + "/Lumora_demo/". When neither the
// variable nor a home folder is known, the system's temporary folder stands in.
std::string DefaultUserDataFolder();

// The folders that hold system-wide settings, most important first: those of
// $XDG_CONFIG_DIRS, then /etc/xdg when the variable does not name it. Each
// ends in '/'.
std::vector<std::string> SystemConfigFolders();

} // namespace lumora
