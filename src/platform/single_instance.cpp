#include "single_instance.h"

#include "folders.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lumora {

SingleInstanceLock::SingleInstanceLock(const std::string& lockFile) {
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string SingleInstanceLock::DefaultLockFile() {
    return RuntimeFolder() + "lumora-" + std::to_string(::getuid()) + ".lock";
}

} // namespace lumora
