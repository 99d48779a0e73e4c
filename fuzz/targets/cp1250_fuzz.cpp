// The Windows-1250 conversion both ways, on any bytes.
#include "fuzz_support.h"
#include "platform/cp1250.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    // Every code page byte decodes, and the text goes back to the same bytes
    // except for the five unassigned ones, which come back as '?'.
    const std::string utf8 = Cp1250ToUtf8(bytes);
    const std::string back = Utf8ToCp1250(utf8);
    fuzz::Require(back.size() == bytes.size(), "a decoded text encodes to another length");
    fuzz::Require(Utf8Length(utf8) == bytes.size(), "a decoded text has another length");
    // Taken as UTF-8, however malformed, the bytes neither crash the encoder
    // nor the counting and cutting of characters.
    Utf8ToCp1250(bytes);
    const std::size_t length = Utf8Length(bytes);
    const std::string prefix = Utf8Prefix(bytes, length / 2);
    fuzz::Require(prefix.size() <= bytes.size(), "a prefix longer than its text");
    return 0;
}
