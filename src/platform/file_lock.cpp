#include "file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {
namespace {

// Open-file-description locks belong to the open file, not to the process:
// two locks taken in one process exclude each other, and closing another
// descriptor of the same file keeps them. Where the system lacks them, the
// process-owned kind stands in.
int LockCommand(bool wait, bool ofd) {
    if (ofd) {
        return wait ? F_OFD_SETLKW : F_OFD_SETLK;
    }
    return wait ? F_SETLKW : F_SETLK;
}

} // namespace

int OpenLockFile(const std::string& file, LockFileOwner owner) {
    // 0666 under the umask: a class's lock files must be usable by every
    // account that the folder's own rights let in.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        (owner == LockFileOwner::Self && st.st_uid != ::geteuid())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

LockResult LockWholeFile(int fd, bool wait) {
    for (const bool ofd : {true, false}) {
        struct flock whole {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET; // l_start 0 and l_len 0: the whole file
        int result = 0;
        while ((result = ::fcntl(fd, LockCommand(wait, ofd), &whole)) != 0 && errno == EINTR) {
        }
        if (result == 0) {
            return LockResult::Held;
        }
        if (errno == EAGAIN || errno == EACCES) {
            return LockResult::Busy;
        }
        if (errno != EINVAL) {
            return LockResult::Failed;
        }
    }
    return LockResult::Failed;
}

FileLock::FileLock(const std::string& file) {
    const int fd = OpenLockFile(file, LockFileOwner::Anyone);
    if (fd < 0) {
        return;
    }
    if (LockWholeFile(fd, true) != LockResult::Held) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace lumora
