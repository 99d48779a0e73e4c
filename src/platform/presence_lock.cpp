#include "presence_lock.h"

#include "file_lock.h"
#include "text_file.h"

#include <climits>
#include <unistd.h>

namespace lumora {
namespace {

constexpr std::size_t kMaxNameLength = 64;

// The first line of what the holder wrote, without control characters.
std::string FirstLine(const std::string& bytes) {
    std::string name;
    for (const char c : bytes) {
        if (c == '\n' || c == '\r' || name.size() == kMaxNameLength) {
            break;
        }
        if (static_cast<unsigned char>(c) >= 0x20) {
            name += c;
        }
    }
    return name;
}

} // namespace

PresenceLock::PresenceLock(const std::string& file) {
    const int fd = OpenLockFile(file, LockFileOwner::Anyone);
    if (fd < 0) {
        return;
    }
    const LockResult result = LockWholeFile(fd, false);
    if (result != LockResult::Held) {
        ::close(fd);
        if (result == LockResult::Busy) {
            state_ = State::Elsewhere;
            holder_ = FirstLine(ReadFileBytes(file).value_or(""));
        }
        return;
    }
    fd_ = fd;
    state_ = State::Held;
    // The name is a courtesy for the message of another copy: a failure to
    // write it leaves the lock held all the same.
    const std::string line = ComputerName() + "\n";
    if (::ftruncate(fd_, 0) == 0) {
        (void)!::pwrite(fd_, line.data(), line.size(), 0);
    }
}

PresenceLock::~PresenceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string ComputerName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof(name) - 1) != 0) {
        return {};
    }
    return FirstLine(name);
}

} // namespace lumora
