#include "text_file.h"

#include "cp1250.h"
#include "path_resolver.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {
namespace {

constexpr const char* kTemporaryMark = ".tmp.";
constexpr std::size_t kTemporaryRandom = 6; // the XXXXXX of mkostemp

std::string SystemError(int err, const std::string& path) {
    return std::string(std::strerror(err)) + ": " + path;
}

// What the learner is told when a save fails: which file, the system's
// reason, and that the contents saved before are still there.
std::string SaveFailure(int err, const std::string& path, bool hadOld) {
    std::string text = "Nie można zapisać pliku \"" + path + "\": " + std::strerror(err) + ".";
    if (hadOld) {
        text += " Poprzednia zawartość pliku została zachowana.";
    }
    return text;
}

void Fail(ReadFailure* failure, int err, std::string reason) {
    if (failure != nullptr) {
        failure->missing = err == ENOENT;
        failure->reason = std::move(reason);
        failure->error = err;
    }
}

void Fail(ReadFailure* failure, int err) {
    Fail(failure, err, std::strerror(err));
}

// Reasons a read of a file on a share fails that pass in a moment.
bool MayPass(int err) {
    switch (err) {
    case EACCES: // a lock on the server's side
    case EAGAIN:
    case EBUSY:
    case EINTR:
    case EIO:
    case ESTALE: // the file was replaced while it was opened
    case ETXTBSY:
        return true;
    default:
        return false;
    }
}

// Reads everything from fd; false with errno set on a read error.
bool ReadAll(int fd, std::string& out) {
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof(buf));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            return true;
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The permission bits a new file gets: those of the file it replaces, else
// the usual ones under the process's umask.
mode_t NewFileMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        return st.st_mode & 07777;
    }
    // Under a umask that lets a group write (a class's shared folder), the
    // other accounts of the class can replace the file too.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems cannot sync a folder; the rename stands either way.
        ::fsync(fd);
        ::close(fd);
    }
}

bool IsOurTemporary(const std::string& entry, const std::string& name) {
    // The fixed name of older versions, and the unique names of this one.
    if (entry == name + ".tmp") {
        return true;
    }
    const std::string prefix = name + kTemporaryMark;
    return entry.size() == prefix.size() + kTemporaryRandom && entry.starts_with(prefix);
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, ReadFailure* failure) {
    // Non-blocking, so that opening a named pipe returns at once; it is then
    // refused below as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Fail(failure, errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        Fail(failure, err);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (S_ISDIR(st.st_mode)) {
            Fail(failure, EISDIR);
        } else {
            Fail(failure, 0, "Not a regular file");
        }
        return std::nullopt;
    }
    std::string bytes;
    if (st.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    const bool ok = ReadAll(fd, bytes);
    const int err = errno;
    ::close(fd);
    if (!ok) {
        Fail(failure, err);
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> ReadFileBytesPatiently(const std::string& path, WholeCheck whole,
                                                  ReadFailure* failure) {
    constexpr int kTries = 6;
    int waitMs = 10;
    for (int attempt = 1;; ++attempt) {
        ReadFailure failed;
        auto bytes = ReadFileBytes(path, &failed);
        const bool settled = bytes ? whole(*bytes) : !MayPass(failed.error);
        if (settled || attempt == kTries) {
            if (!bytes && failure != nullptr) {
                *failure = std::move(failed);
            }
            return bytes;
        }
        ::usleep(static_cast<useconds_t>(waitMs) * 1000);
        waitMs *= 2;
    }
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path,
                                                      ReadFailure* failure) {
    auto bytes = ReadFileBytes(path, failure);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitLines(Cp1250ToUtf8(*bytes));
}

std::string JoinCp1250Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += Utf8ToCp1250(line);
        out += "\r\n";
    }
    return out;
}

void ReportFileSizeLimitAsSaveFailure() {
    ::signal(SIGXFSZ, SIG_IGN);
}

std::optional<std::string> WriteFileAtomic(const std::string& path, std::string_view bytes) {
    // mkostemp creates the file exclusively, so it never follows a link, and
    // its unique name keeps two writers of the same file apart.
    std::string temp = path + kTemporaryMark + std::string(kTemporaryRandom, 'X');
    const mode_t mode = NewFileMode(path);
    const bool hadOld = FileExists(path);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return SaveFailure(errno, path, hadOld);
    }
    const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed) {
        ::unlink(temp.c_str());
        return SaveFailure(!written ? writeError : closeError, path, hadOld);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return SaveFailure(err, path, hadOld);
    }
    SyncFolder(ParentFolder(path));
    return std::nullopt;
}

void RemoveStaleTemporaries(const std::string& path) {
    const std::string folder = ParentFolder(path);
    const std::string name = LastComponent(path);
    DIR* d = ::opendir(folder.c_str());
    if (d == nullptr) {
        return;
    }
    std::vector<std::string> stale;
    while (const dirent* e = ::readdir(d)) {
        if (IsOurTemporary(e->d_name, name)) {
            stale.emplace_back(e->d_name);
        }
    }
    ::closedir(d);
    for (const auto& entry : stale) {
        const std::string full = folder + "/" + entry;
        struct stat st {};
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            ::unlink(full.c_str());
        }
    }
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::optional<std::string> CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) { // under the umask, as for files
        const int err = errno;
        if (err == EEXIST && DirectoryExists(path)) {
            return std::nullopt;
        }
        return SystemError(err, path);
    }
    return std::nullopt;
}

std::optional<std::string> CreateFolders(const std::string& path) {
    if (path.empty() || DirectoryExists(path)) {
        return std::nullopt;
    }
    // Each level from the top down; a level that exists already is passed.
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string level = path.substr(0, slash);
        if (!DirectoryExists(level)) {
            if (auto error = CreateFolder(level)) {
                return error;
            }
        }
    }
    return path.back() == '/' ? std::nullopt : CreateFolder(path);
}

} // namespace lumora
