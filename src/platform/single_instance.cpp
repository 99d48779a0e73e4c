#include "single_instance.h"

#include "folders.h"
#include "path_resolver.h"
#include "text_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {
namespace {

// Opens a lock file of ours: never through a link, and only a regular file
// that this user owns, so a file planted in a shared folder is passed over.
int OpenLockFile(const LockPlace& place) {
    if (place.makeFolder && CreateFolders(ParentFolder(place.file))) {
        return -1;
    }
    const int fd = ::open(place.file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const std::vector<LockPlace>& places) {
    for (const auto& place : places) {
        const int fd = OpenLockFile(place);
        if (fd < 0) {
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            state_ = State::Held;
            return;
        }
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) {
            state_ = State::OtherCopy;
            return;
        }
    }
}

SingleInstanceLock::SingleInstanceLock(const std::string& lockFile)
    : SingleInstanceLock(std::vector<LockPlace>{{lockFile, false}}) {}

SingleInstanceLock::~SingleInstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::vector<LockPlace> SingleInstanceLock::DefaultPlaces() {
    const std::string name = "lumora-" + std::to_string(::getuid()) + ".lock";
    std::vector<LockPlace> places;
    if (const std::string runtime = RuntimeFolder(); !runtime.empty()) {
        places.push_back({runtime + name, false});
    }
    places.push_back({DefaultUserDataFolder() + name, true});
    places.push_back({"/tmp/" + name, false});
    return places;
}

} // namespace lumora
