#pragma once
// Course files are named the Windows way: "Gfx\main.bmp" and "gfx\question1.bmp"
// name files of one folder. The resolver finds them on a case-sensitive file
// system by matching each path component without regard to letter case.
#include <string>
#include <string_view>

namespace lumora {

// Joins a relative Windows-style name to a folder (which ends in '/') and
// returns the existing path that matches it case-insensitively. Components
// that do not exist are kept as written, so the result can name a new file.
// When several entries differ only in case, an exact match wins.
std::string ResolvePath(const std::string& folder, std::string_view relative);

// Turns '\' into '/'.
std::string ToSlashes(std::string_view name);

// Makes sure a folder path ends in '/'.
std::string WithTrailingSlash(std::string folder);

// The folder that holds a file: the path up to its last '/' ("/" for a file
// at the root, "." for a bare name).
std::string ParentFolder(const std::string& path);

// The last component of a path.
std::string LastComponent(const std::string& path);

} // namespace lumora
