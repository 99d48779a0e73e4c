#pragma once
// Exclusive locks on files of ours. The system drops a lock when its process
// ends in any way, so a copy that crashed or was killed never blocks another.
#include <string>

namespace lumora {

// Opens (creating when missing) a lock file, never through a link and only as
// a regular file this user owns, so a file planted in a shared folder is
// passed over. -1 when it cannot be opened so.
int OpenLockFile(const std::string& file);

// Holds the lock on a file while it lives, waiting for another holder to let
// go first.
class FileLock {
  public:
    explicit FileLock(const std::string& file);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

} // namespace lumora
