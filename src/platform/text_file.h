#pragma once
// Reading and writing the program's text and binary files. Course and user
// text files are Windows-1250 with CR LF line ends; lines come back as UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// The whole file as bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);

// The lines of a Windows-1250 text file, converted to UTF-8. A line ends at
// CR LF, at a bare LF or at a bare CR; a last line without an end counts.
// Nothing when the file cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Splits text into lines by the same rule as ReadTextLines (no conversion).
std::vector<std::string> SplitLines(std::string_view text);

// Writes the bytes to a temporary file in the same folder and renames it over
// path, so a crash or a full disk leaves either the old or the new file whole.
// On failure returns the system's error text and leaves the old file alone.
std::optional<std::string> WriteFileAtomic(const std::string& path, std::string_view bytes);

// Lines joined with CR LF after each one, converted to Windows-1250.
std::string JoinCp1250Lines(const std::vector<std::string>& lines);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Creates one folder level; returns the system's error text on failure.
std::optional<std::string> CreateFolder(const std::string& path);

} // namespace lumora
