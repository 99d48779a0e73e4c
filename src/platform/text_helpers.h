#pragma once
// Small text helpers shared by every table loader and many screens.
// Positions are 1-based, as in the file formats; they count bytes of the UTF-8
// text, which agrees with characters for the ASCII separators the formats use.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// A number field that is not a decimal integer.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& text);
};

// Position of the first occurrence of pattern in text at or after start;
// -1 when pattern or text is empty, start is below 1 or beyond the text, or
// the pattern does not occur there.
int FindFrom(int start, std::string_view text, std::string_view pattern);

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// Strict conversion: an optional sign and decimal digits, nothing else, in the
// 32-bit range. Anything else throws ConversionError.
int StrictInt(std::string_view text);

// Lenient conversion: trims first; an empty result is 0; otherwise strict.
int TrimmedInt(std::string_view text);

// Removes every '<' and '>' and trims the rest.
std::string StripAngleBrackets(std::string_view text);

// Splits a line into count fields, each followed by its own separator. A field
// whose separator is missing comes out empty, and so does every later field.
std::vector<std::string> SplitFields(std::string_view line, int count, std::string_view sep = "=");

// Lower case of a UTF-8 text: A-Z and the letters of the Central European code
// page with diacritics.
std::string LowerCase(std::string_view text);

// Lower case of A-Z only; letters with diacritics stay as they are. Used where
// names and answers are compared without regard to case.
std::string LowerAZ(std::string_view text);

// The text without its first n characters.
std::string DropChars(std::string_view text, std::size_t n);

} // namespace lumora
