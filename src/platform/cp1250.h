#pragma once
// Windows-1250 (Central European) text conversion. Course files and user files
// are stored in this code page; the program holds text as UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Bytes in Windows-1250 to UTF-8. The five unassigned bytes become U+FFFD.
std::string Cp1250ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1250 bytes. Characters the code page lacks become '?';
// malformed UTF-8 sequences are taken byte by byte as '?'.
std::string Utf8ToCp1250(std::string_view utf8);

// The first character of a UTF-8 text that Windows-1250 lacks (as UTF-8), or
// nothing when the code page holds them all.
std::optional<std::string> FirstCharacterOutsideCp1250(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string Utf8Prefix(std::string_view utf8, std::size_t n);

} // namespace lumora
