#include "single_instance.h"

#include "file_lock.h"
#include "folders.h"
#include "path_resolver.h"
#include "text_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace lumora {
namespace {

int OpenPlace(const LockPlace& place) {
    if (place.makeFolder && CreateFolders(ParentFolder(place.file))) {
        return -1;
    }
    return OpenLockFile(place.file);
}

// FNV-1a: a short, stable name for a folder's path.
std::string PathKey(const std::string& path) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : path) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(h));
    return text;
}

// The folder as the system names it, through any links, when it exists.
std::string RealFolder(const std::string& folder) {
    char* real = ::realpath(folder.c_str(), nullptr);
    if (real == nullptr) {
        return WithTrailingSlash(folder);
    }
    std::string path = WithTrailingSlash(real);
    std::free(real);
    return path;
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const std::vector<LockPlace>& places) {
    for (const auto& place : places) {
        const int fd = OpenPlace(place);
        if (fd < 0) {
            continue;
        }
        const LockResult result = LockWholeFile(fd, false);
        if (result == LockResult::Held) {
            fd_ = fd;
            state_ = State::Held;
            return;
        }
        ::close(fd);
        if (result == LockResult::Busy) {
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

std::vector<LockPlace> SingleInstanceLock::PlacesFor(const std::string& userDataFolder) {
    const std::string fallback = "/tmp/lumora-" + std::to_string(::getuid()) + "-" +
                                 PathKey(RealFolder(userDataFolder)) + ".lock";
    return {{WithTrailingSlash(userDataFolder) + kLockFileName, true}, {fallback, false}};
}

std::vector<LockPlace> SingleInstanceLock::DefaultPlaces() {
    return PlacesFor(DefaultUserDataFolder());
}

} // namespace lumora
