#include "platform/cp1250.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(Cp1250, PolishLettersRoundTrip) {
    // "Zażółć gęślą jaźń" and the capitals, as a Windows-1250 editor saves them.
    const std::string bytes =
        "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1 \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    const std::string utf8 = Cp1250ToUtf8(bytes);
    EXPECT_EQ(utf8, "Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(Utf8ToCp1250(utf8), bytes);
}

TEST(Cp1250, CharactersOutsideTheCodePage) {
    EXPECT_EQ(Utf8ToCp1250("Ω€"), "?\x80");
    EXPECT_EQ(Cp1250ToUtf8("\x81"), "\xEF\xBF\xBD");
    // A broken UTF-8 sequence never reads past the end of the text.
    EXPECT_EQ(Utf8ToCp1250("a\xC5"), "a?");
}

TEST(Cp1250, TheFirstCharacterTheCodePageLacks) {
    EXPECT_EQ(FirstCharacterOutsideCp1250("Zażółć €?"), std::nullopt);
    EXPECT_EQ(FirstCharacterOutsideCp1250("Muñoz Ωmega"), "ñ");
    EXPECT_EQ(FirstCharacterOutsideCp1250("Li 李"), "李");
    EXPECT_EQ(FirstCharacterOutsideCp1250("a\xC5"), "\xC5");
}

TEST(Cp1250, LengthAndPrefixCountCharacters) {
    EXPECT_EQ(Utf8Length("łąka"), 4u);
    EXPECT_EQ(Utf8Prefix("łąka", 2), "łą");
    EXPECT_EQ(Utf8Prefix("ab", 5), "ab");
}

} // namespace
} // namespace lumora
