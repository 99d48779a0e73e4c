#pragma once
// Opens a web or mail address in the user's browser or mail program. Tests
// record the addresses instead.
#include <functional>
#include <string>
#include <vector>

namespace lumora {

using AddressHandler = std::function<void(const std::string& address)>;

// Opens the address with the desktop's program for it.
void OpenAddress(const std::string& address);

// Installs a handler and returns the previous one (none: the desktop opens it).
AddressHandler SetAddressHandler(AddressHandler handler);

// Records the addresses opened while it lives.
class AddressRecorder {
  public:
    AddressRecorder();
    ~AddressRecorder();
    AddressRecorder(const AddressRecorder&) = delete;
    AddressRecorder& operator=(const AddressRecorder&) = delete;

    const std::vector<std::string>& Addresses() const { return addresses_; }

  private:
    std::vector<std::string> addresses_;
    AddressHandler previous_;
};

} // namespace lumora
