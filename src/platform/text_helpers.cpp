#include "text_helpers.h"

#include "platform/cp1250.h"

#include <cstdint>
#include <limits>

namespace lumora {

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value") {}

int FindFrom(int start, std::string_view text, std::string_view pattern) {
    if (pattern.empty() || text.empty() || start < 1 ||
        static_cast<std::size_t>(start) > text.size()) {
        return -1;
    }
    const auto pos = text.find(pattern, static_cast<std::size_t>(start - 1));
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos) + 1;
}

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') {
        ++first;
    }
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') {
        --last;
    }
    return std::string(text.substr(first, last - first));
}

int StrictInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        throw ConversionError(std::string(text));
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            throw ConversionError(std::string(text));
        }
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) {
            throw ConversionError(std::string(text));
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max()) {
        throw ConversionError(std::string(text));
    }
    return static_cast<int>(value);
}

int TrimmedInt(std::string_view text) {
    const std::string t = Trim(text);
    return t.empty() ? 0 : StrictInt(t);
}

std::string StripAngleBrackets(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '<' && c != '>') {
            out += c;
        }
    }
    return Trim(out);
}

std::vector<std::string> SplitFields(std::string_view line, int count, std::string_view sep) {
    std::vector<std::string> fields(static_cast<std::size_t>(count > 0 ? count : 0));
    int fieldStart = 1;
    int searchFrom = 1;
    for (int k = 0; k < count; ++k) {
        const int at = FindFrom(searchFrom, line, sep);
        if (at < 0) {
            // Every later search starts at position 0 and fails as well.
            searchFrom = 0;
            continue;
        }
        fields[static_cast<std::size_t>(k)] = std::string(line.substr(
            static_cast<std::size_t>(fieldStart - 1), static_cast<std::size_t>(at - fieldStart)));
        fieldStart = at + static_cast<int>(sep.size());
        searchFrom = fieldStart;
    }
    return fields;
}

namespace {

// Lower-case partner of a code point of the Latin-1 and Latin Extended-A
// blocks, which hold every letter of the Central European code page.
char32_t LowerCodePoint(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') {
        return cp + 32;
    }
    if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) {
        return cp + 32;
    }
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177)) {
        return (cp % 2 == 0) ? cp + 1 : cp;
    }
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) {
        return (cp % 2 == 1) ? cp + 1 : cp;
    }
    return cp;
}

} // namespace

std::string LowerCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out += static_cast<char>(LowerCodePoint(b0));
            ++i;
            continue;
        }
        // Only two-byte sequences can hold the letters that have a lower case.
        if ((b0 & 0xE0) == 0xC0 && i + 1 < text.size()) {
            const auto b1 = static_cast<unsigned char>(text[i + 1]);
            const char32_t cp = (char32_t(b0 & 0x1F) << 6) | (b1 & 0x3F);
            const char32_t lower = LowerCodePoint(cp);
            out += static_cast<char>(0xC0 | (lower >> 6));
            out += static_cast<char>(0x80 | (lower & 0x3F));
            i += 2;
            continue;
        }
        out += text[i];
        ++i;
    }
    return out;
}

std::string LowerAZ(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return out;
}

std::string DropChars(std::string_view text, std::size_t n) {
    return std::string(text.substr(Utf8Prefix(text, n).size()));
}

} // namespace lumora
