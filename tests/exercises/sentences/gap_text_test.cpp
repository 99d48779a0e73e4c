// The printed text of a gap sentence: tokens, gaps and their faults, the
// layout in the frame and the check of what the learner typed.
#include "exercises/sentences/gap_layout.h"
#include "exercises/sentences/sentence_text.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using Tokens = std::vector<std::string>;

TEST(SentenceTokens, MarksStandAloneRunsEndAtBlanksAndMarks) {
    struct Case {
        std::string text;
        Tokens tokens;
    };
    const Case cases[] = {
        {"The boy is reading a <book>.",
         {"The", "boy", "is", "reading", "a", "<", "book", ">", "."}},
        {"Yes,I  do%^@x", {"Yes", ",", "I", "do", "%", "^", "@", "x"}},
        {"don't stop. Why?", {"don't", "stop.", "Why?"}},
        {"<is reading>", {"<", "is", "reading", ">"}},
        {"Łódź żółw", {"Łódź", "żółw"}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitSentenceTokens(c.text), c.tokens) << c.text;
    }
}

Tokens Numbered(int count) {
    Tokens t;
    for (int i = 1; i <= count; ++i) {
        t.push_back("w" + std::to_string(i));
    }
    return t;
}

std::string Joined(const Tokens& tokens) {
    std::string s;
    for (const auto& t : tokens) {
        s += t + " ";
    }
    return s;
}

TEST(GapSentence, MarksThatMakeNoUsableGapAreLeftOutAndReported) {
    struct Case {
        std::string text;
        Tokens tokens;
        std::vector<GapFault> faults;
    };
    const Case cases[] = {
        {"a <b c> d", {"a", "<", "b", "c", ">", "d"}, {}},
        {"<a> <b> <c> <d> e",
         {"<", "a", ">", "<", "b", ">", "<", "c", ">", "d", "e"},
         {GapFault::TooManyGaps}},
        {"x <a b", {"x", "a", "b"}, {GapFault::UnclosedGap}},
        {"x a> b <c>", {"x", "a", "b", "<", "c", ">"}, {GapFault::StrayClose}},
        {"<a <b> c", {"a", "<", "b", ">", "c"}, {GapFault::UnclosedGap}},
        {"Go home.",
         {"Go", "home.", "@", "UWAGA", "BRAK", "LUKI", "NA", "<", "wyraz", ">", "!"},
         {GapFault::NoGap}},
    };
    for (const auto& c : cases) {
        const GapSentence s = PrepareGapSentence(c.text);
        EXPECT_EQ(s.tokens, c.tokens) << c.text;
        EXPECT_EQ(s.faults, c.faults) << c.text;
    }
}

TEST(GapSentence, TextBeyondSeventyTokensIsCut) {
    // The gap starts at token 70 and its end is cut off with the rest.
    const GapSentence s = PrepareGapSentence(Joined(Numbered(69)) + "<x> y");
    EXPECT_EQ(s.tokens, Numbered(69));
    EXPECT_EQ(s.faults, (std::vector{GapFault::TooManyTokens, GapFault::UnclosedGap}));

    EXPECT_EQ(PrepareGapSentence("<a> " + Joined(Numbered(67))).tokens.size(), 70u);
    EXPECT_TRUE(PrepareGapSentence("<a> " + Joined(Numbered(67))).faults.empty());
}

TEST(GapSentence, SolutionIsTheTextWithoutMarks) {
    EXPECT_EQ(SolutionText(" I <like reading> <books>. "), "I like reading books.");
}

// Ten pixels a character, twenty a line.
GapLayout LayOut(const Tokens& tokens, int frameWidth) {
    return LayOutGaps(tokens, frameWidth, 20,
                      [](const std::string& s) { return static_cast<int>(s.size()) * 10; });
}

TEST(GapLayout, TwoWordGapIsOneFieldTheRestFollows) {
    const GapLayout l = LayOut({"I", "<", "like", "reading", ">", "books."}, 400);
    ASSERT_EQ(l.words.size(), 2u);
    EXPECT_EQ(l.words[0].x, 0);
    EXPECT_EQ(l.words[0].text, "I");
    EXPECT_TRUE(l.fields[0].Shown());
    EXPECT_EQ(l.fields[0].x, 20);
    EXPECT_EQ(l.fields[0].y, -3);
    EXPECT_EQ(l.fields[0].answer, "like reading");
    EXPECT_EQ(l.words[1].x, 20 + 80 + 6);
    EXPECT_EQ(l.words[1].text, "books.");
    EXPECT_FALSE(l.fields[1].placed);
}

struct Place {
    int x, y;
    friend bool operator==(const Place&, const Place&) = default;
};

std::vector<Place> WordPlaces(const GapLayout& l) {
    std::vector<Place> p;
    for (const auto& w : l.words) {
        p.push_back({w.x, w.y});
    }
    return p;
}

TEST(GapLayout, LinesBreakAtTheFrameAndAtMarks) {
    struct Case {
        const char* name;
        Tokens tokens;
        int width;
        std::vector<Place> places;
    };
    const Case cases[] = {
        {"a word that does not fit goes to the next line",
         {"aaaa", "bbbbb", "cc"},
         100,
         {{0, 0}, {0, 20}, {60, 20}}},
        {"no blank before ' , ; . and none after the last word",
         {"a", "'s", "b", ",", "c", ";d", "e", ".", "f"},
         1000,
         {{0, 0}, {10, 0}, {40, 0}, {50, 0}, {70, 0}, {80, 0}, {110, 0}, {120, 0}, {140, 0}}},
        {"@ starts a new line", {"aa", "@", "bb"}, 1000, {{0, 0}, {0, 20}}},
        {"@ where the line wrapped anyway is dropped",
         {"aaaaaaaa", "@", "cccc"},
         100,
         {{0, 0}, {0, 20}}},
        {"@ at the very start is dropped", {"@", "aa"}, 1000, {{0, 0}}},
        {"a . never goes to a line alone, nor leaves its word behind",
         {"aaaaa", "bbbbb", "."},
         100,
         {{0, 0}, {60, 0}, {110, 0}}},
        {"a word longer than the frame leaves no empty line",
         {"aaaaaaaaaaaa", "b"},
         100,
         {{0, 0}, {0, 20}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WordPlaces(LayOut(c.tokens, c.width)), c.places) << c.name;
    }
}

TEST(GapLayout, FieldsWrapWholeAndOnlyGapsWithAnAnswerShow) {
    // The field is 80 wide: it goes to the next line rather than out of the
    // frame.
    const GapLayout wrapped = LayOut({"aaaaaaaaa", "<", "b", ">"}, 150);
    EXPECT_EQ(wrapped.fields[0].x, 0);
    EXPECT_EQ(wrapped.fields[0].y, 20 - 3);

    const GapLayout l = LayOut({"<", ">", "x", "<", "y", ">", "<", "z", ">"}, 1000);
    EXPECT_TRUE(l.fields[0].placed);
    EXPECT_FALSE(l.fields[0].Shown());
    EXPECT_EQ(l.fields[1].x, 86 + 20);
    EXPECT_TRUE(l.fields[1].Shown());
    EXPECT_EQ(l.fields[2].answer, "z");
    EXPECT_EQ(GapAnswers({"<", ">", "x", "<", "y", ">", "<", "z", ">"}),
              (std::array<std::string, 3>{"", "y", "z"}));
}

TEST(GapLayout, UnpairedMarksNeverReachBeyondTheThreeFields) {
    // Unprepared tokens: a fourth gap and a stray ">" are ignored.
    const GapLayout l =
        LayOut({">", "<", "a", ">", "<", "b", ">", "<", "c", ">", "<", "d", ">"}, 1000);
    EXPECT_EQ(l.fields[2].answer, "c");
    ASSERT_EQ(l.words.size(), 1u);
    EXPECT_EQ(l.words[0].text, "d");
}

TEST(GapCheck, OuterBlanksAreIgnoredCaseAndInnerBlanksCount) {
    using Three = std::array<std::string, 3>;
    struct Case {
        Three answers, entries;
        bool right;
    };
    const Case cases[] = {
        {{"like reading", "", ""}, {"  like reading ", "anything", ""}, true},
        {{"like reading", "", ""}, {"Like reading", "", ""}, false},
        {{"like reading", "", ""}, {"like  reading", "", ""}, false},
        {{"a", "b", "c"}, {"a", "b", "c"}, true},
        {{"a", "b", "c"}, {"a", "", "c"}, false},
        {{"", "", ""}, {"x", "y", "z"}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GapsRight(c.answers, c.entries), c.right) << c.entries[0] << "|" << c.entries[1];
    }
}

} // namespace
} // namespace lumora
