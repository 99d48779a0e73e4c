#include "text_file.h"

#include "cp1250.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
    auto bytes = ReadFileBytes(path);
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

std::optional<std::string> WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return std::string(std::strerror(errno)) + ": " + path;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const std::string error = std::strerror(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return error + ": " + path;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string error = std::strerror(errno);
        ::unlink(temp.c_str());
        return error + ": " + path;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string error = std::strerror(errno);
        ::unlink(temp.c_str());
        return error + ": " + path;
    }
    return std::nullopt;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0) {
        const int err = errno;
        if (err == EEXIST && DirectoryExists(path)) {
            return std::nullopt;
        }
        return std::string(std::strerror(err)) + ": " + path;
    }
    return std::nullopt;
}

} // namespace lumora
