#pragma once
// Where the program finds its course and keeps its users' files.
#include <string>

namespace lumora {

// The folder of the running executable, ending in '/'.
std::string ExecutableFolder();

// $XDG_DATA_HOME (or ~/.local/share) + "/Lumora_demo/". When neither the
// variable nor a home folder is known, the system's temporary folder stands in.
std::string DefaultUserDataFolder();

} // namespace lumora
