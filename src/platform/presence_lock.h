#pragma once
// Tells other copies of the program, on this computer or another one that
// shares the folder, that something is in use here, and by which computer:
// a record lock held on a file without waiting, with this computer's name
// written in it. The lock ends with the process, however it ends.
#include <string>

namespace lumora {

class PresenceLock {
  public:
    enum class State {
        Held,        // this copy holds it
        Elsewhere,   // another copy holds it; Holder() names its computer
        Unavailable, // the file cannot be opened or locked at all
    };

    explicit PresenceLock(const std::string& file);
    ~PresenceLock();
    PresenceLock(const PresenceLock&) = delete;
    PresenceLock& operator=(const PresenceLock&) = delete;

    State Result() const { return state_; }
    // The computer name the holder wrote; empty when it is not known.
    const std::string& Holder() const { return holder_; }

  private:
    int fd_ = -1;
    State state_ = State::Unavailable;
    std::string holder_;
};

// This computer's network name, or an empty text when the system has none.
std::string ComputerName();

} // namespace lumora
