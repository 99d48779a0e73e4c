#include "platform/text_helpers.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(FindFrom, PositionsInTheFourCharacterLine) {
    EXPECT_EQ(FindFrom(1, "a=b=", "="), 2);
    EXPECT_EQ(FindFrom(3, "a=b=", "="), 4);
    EXPECT_EQ(FindFrom(5, "a=b=", "="), -1);
    EXPECT_EQ(FindFrom(0, "a=b=", "="), -1);
    EXPECT_EQ(FindFrom(1, "", "="), -1);
    EXPECT_EQ(FindFrom(1, "a=b=", ""), -1);
    EXPECT_EQ(FindFrom(4, "a=b=", "="), 4);
}

TEST(Conversions, TrimmedIsLenientStrictIsNot) {
    EXPECT_EQ(TrimmedInt("  "), 0);
    EXPECT_EQ(TrimmedInt(" 42 "), 42);
    EXPECT_EQ(TrimmedInt("\t-7\r"), -7);
    EXPECT_THROW(TrimmedInt("4x"), ConversionError);
    EXPECT_EQ(StrictInt("+12"), 12);
    EXPECT_EQ(StrictInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " 1", "1 ", "-", "2147483648", "1e3", "0x10"}) {
        EXPECT_THROW(StrictInt(bad), ConversionError) << bad;
    }
}

TEST(Conversions, ErrorNamesTheText) {
    try {
        StrictInt("abc");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

TEST(StripAngleBrackets, RemovesBracketsKeepsTheRest) {
    EXPECT_EQ(StripAngleBrackets(" <b>go</b> "), "bgo/b");
    EXPECT_EQ(StripAngleBrackets("I <like> tea"), "I like tea");
}

TEST(SplitFields, EveryFieldIsFollowedByItsSeparator) {
    EXPECT_EQ(SplitFields("a=b=c=", 3), (std::vector<std::string>{"a", "b", "c"}));
    // The last field without its "=" is lost, as is everything after a gap.
    EXPECT_EQ(SplitFields("a=b=c", 3), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(SplitFields("a", 3), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(SplitFields("==x=", 3), (std::vector<std::string>{"", "", "x"}));
    EXPECT_EQ(SplitFields("a=b=c=d=", 2), (std::vector<std::string>{"a", "b"}));
}

TEST(CaseFolding, OnlyAToZOrTheWholeCodePage) {
    EXPECT_EQ(LowerAZ("Ąnna ŁUK"), "Ąnna Łuk");
    EXPECT_EQ(LowerCase("ĄNNA ŁUK Źdźbło"), "ąnna łuk źdźbło");
    EXPECT_EQ(LowerCase("Kuchnia_1"), "kuchnia_1");
}

} // namespace
} // namespace lumora
