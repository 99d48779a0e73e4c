#pragma once
// One running copy per user. The lock is an flock on a file in the user's
// runtime folder; the system drops it when the process ends in any way, so a
// copy that crashed or was killed never blocks the next start.
#include <string>

namespace lumora {

class SingleInstanceLock {
  public:
    // Tries to take the lock named by lockFile; Held() tells whether it did.
    explicit SingleInstanceLock(const std::string& lockFile);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    bool Held() const { return fd_ >= 0; }

    // The lock file of the program for the current user.
    static std::string DefaultLockFile();

  private:
    int fd_ = -1;
};

} // namespace lumora
