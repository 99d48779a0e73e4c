#pragma once
// One running copy per account's data folder, where its settings live (the
// learners' folder, which a class may share, is not the one). The lock is a
// record lock on a file inside that folder, so every copy that works on the
// folder finds it, whatever its environment says (a runtime folder, a
// temporary folder) and through whatever link it names the folder; the
// system drops it when the process ends in any way, so a copy that crashed or
// was killed never blocks the next start. When the folder cannot hold the
// lock, a file in the system's temporary folder named after the folder's real
// path does.
#include <string>
#include <vector>

namespace lumora {

struct LockPlace {
    std::string file;
    bool makeFolder = false; // create the file's folder when it is missing
};

class SingleInstanceLock {
  public:
    enum class State {
        Held,        // this copy is the only one
        OtherCopy,   // another copy holds the lock
        Unavailable, // no place could hold a lock at all
    };

    // Tries the places in order: the first where the lock file can be opened
    // decides whether this copy holds the lock or another copy does.
    explicit SingleInstanceLock(const std::vector<LockPlace>& places);
    explicit SingleInstanceLock(const std::string& lockFile);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    State Result() const { return state_; }
    bool Held() const { return state_ == State::Held; }

    // The places for an account's data folder, and for the program's one.
    static std::vector<LockPlace> PlacesFor(const std::string& userDataFolder);
    static std::vector<LockPlace> DefaultPlaces();

  private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

// The lock file's name inside the account's data folder.
inline constexpr const char* kLockFileName = "lumora.lock";

// Shown when no lock could be had; the program then runs all the same.
inline constexpr const char* kNoLockMessage =
    "The program cannot tell whether another copy of it is running (no folder could hold its "
    "lock file). It runs all the same; do not start it twice.";

} // namespace lumora
