#pragma once
// What voice recording asks of a capture device. Every step returns 0 or a
// code whose text ErrorText gives.
#include <string>

namespace lumora {

class RecorderDevice {
  public:
    virtual ~RecorderDevice() = default;
    // Opens a new, empty recording on the default input.
    virtual int Open() = 0;
    // Starts recording; it runs on until Save.
    virtual int Record() = 0;
    // Ends the recording and writes it as a WAV file.
    virtual int Save(const std::string& path) = 0;
    virtual int Close() = 0;
    virtual std::string ErrorText(int code) const = 0;
};

} // namespace lumora
