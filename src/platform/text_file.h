#pragma once
// Reading and writing the program's text and binary files. Course and user
// text files are Windows-1250 with CR LF line ends; lines come back as UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// Why a file was not read. Only a file that does not exist is missing; one
// that exists but cannot be read (no permission, a folder, a named pipe, a
// link loop) is unreadable, and the reason says why.
struct ReadFailure {
    bool missing = false;
    std::string reason; // the system's text, e.g. "Is a directory"
    int error = 0;      // the system's error number, 0 for a file that is not regular
};

// The whole file as bytes, or nothing when it cannot be read; then `failure`,
// when given, tells why. Only regular files are read: anything else is
// refused at once, so a named pipe never blocks the reader.
std::optional<std::string> ReadFileBytes(const std::string& path, ReadFailure* failure = nullptr);

// ReadFileBytes for a file that another computer may be replacing over a
// network share: a read that fails for a reason that can pass (the file busy
// or locked on the server, a stale handle, an input/output error) or that
// gives bytes `whole` does not accept (a torn file) is tried again a few
// times over about a third of a second, and the last try's result stands.
using WholeCheck = bool (*)(std::string_view bytes);
std::optional<std::string> ReadFileBytesPatiently(const std::string& path, WholeCheck whole,
                                                  ReadFailure* failure = nullptr);

// The lines of a Windows-1250 text file, converted to UTF-8. A line ends at
// CR LF, at a bare LF or at a bare CR; a last line without an end counts.
// Nothing when the file cannot be read, as for ReadFileBytes.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path,
                                                      ReadFailure* failure = nullptr);

// Splits text into lines by the same rule as ReadTextLines (no conversion).
std::vector<std::string> SplitLines(std::string_view text);

// Writes the bytes to a temporary file of a unique name in the same folder,
// syncs it, renames it over path and syncs the folder, so a crash or a full
// disk leaves either the old or the new file whole. On failure leaves the old
// file alone and returns a message for the learner that names the file and
// gives the system's reason.
std::optional<std::string> WriteFileAtomic(const std::string& path, std::string_view bytes);

// Makes a file-size limit fail a save with "File too large" (reported like a
// full disk, keeping the old file) instead of the system ending the program
// in the middle of it. Called once at start-up.
void ReportFileSizeLimitAsSaveFailure();

// Removes the temporary files that WriteFileAtomic leaves behind for path
// when the program is killed during a save. Call before the file is used.
void RemoveStaleTemporaries(const std::string& path);

// Lines joined with CR LF after each one, converted to Windows-1250.
std::string JoinCp1250Lines(const std::vector<std::string>& lines);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Whether anything (file, folder, link) exists under the name.
bool PathExists(const std::string& path);

// Creates one folder level; returns the system's error text on failure.
std::optional<std::string> CreateFolder(const std::string& path);

// Creates the folder and every missing folder above it.
std::optional<std::string> CreateFolders(const std::string& path);

} // namespace lumora
