#pragma once
// The replaceable part of the program's waits: tests install a replacement
// that records each wait instead of spending the time.
#include <functional>
#include <utility>

namespace lumora {

class WaitHook {
  public:
    // Runs the replacement, if one is installed; false when the caller must
    // really wait.
    bool Replaced(int milliseconds) const {
        if (!replacement_) {
            return false;
        }
        replacement_(milliseconds);
        return true;
    }
    // Installs a replacement and returns the previous one (empty: really wait).
    std::function<void(int)> Swap(std::function<void(int)> replacement) {
        return std::exchange(replacement_, std::move(replacement));
    }

  private:
    std::function<void(int)> replacement_;
};

} // namespace lumora
