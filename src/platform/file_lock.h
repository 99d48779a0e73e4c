#pragma once
// Exclusive locks on files of ours: POSIX record locks on the whole file,
// which NFS v4 and SMB servers honour, so copies of the program on several
// computers that share a folder exclude each other. The system drops a lock
// when its process ends in any way, so a copy that crashed or was killed
// never blocks another (a computer that crashed holds its locks on a share
// until the server's lease on them runs out).
#include <string>

namespace lumora {

// Who may own a lock file that is already there.
enum class LockFileOwner {
    Self,   // only this user: for folders others can write to, like /tmp
    Anyone, // any account: the learners' folder a class shares
};

// Opens (creating when missing) a lock file, never through a link and only as
// a regular file; with LockFileOwner::Self only one this user owns, so a file
// planted in a shared folder is passed over. -1 when it cannot be opened so.
int OpenLockFile(const std::string& file, LockFileOwner owner = LockFileOwner::Self);

enum class LockResult { Held, Busy, Failed };

// Takes the exclusive lock on the whole file open as fd: waiting for another
// holder to let go first, or not. Busy only when not waiting.
LockResult LockWholeFile(int fd, bool wait);

// Holds the lock on a lock file in the learners' folder while it lives,
// waiting for another holder to let go first.
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
