#pragma once
// Media files are named the Windows way, with '\' and any letter case.
#include <string>

namespace lumora {

// The file as the file system spells it (matched without regard to case);
// a relative name is taken from the working folder.
std::string MediaFileOnDisk(const std::string& name);

} // namespace lumora
