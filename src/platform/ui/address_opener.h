#pragma once
// Opens a web or mail address in the user's browser or mail program. Tests
// record the addresses instead.
#include <functional>
#include <string>
#include <vector>

namespace lumora {

// Answers whether the address could be handed to a program that opens it.
using AddressHandler = std::function<bool(const std::string& address)>;

// Opens the address with the desktop's program for it; false when the desktop
// has no program to open it with (no browser, no opener installed).
bool OpenAddress(const std::string& address);

// Installs a handler and returns the previous one (none: the desktop opens it).
AddressHandler SetAddressHandler(AddressHandler handler);

// Records the addresses opened while it lives; with `opens` false it answers
// as a desktop without a browser would.
class AddressRecorder {
  public:
    explicit AddressRecorder(bool opens = true);
    ~AddressRecorder();
    AddressRecorder(const AddressRecorder&) = delete;
    AddressRecorder& operator=(const AddressRecorder&) = delete;

    const std::vector<std::string>& Addresses() const { return addresses_; }

  private:
    std::vector<std::string> addresses_;
    AddressHandler previous_;
};

} // namespace lumora
