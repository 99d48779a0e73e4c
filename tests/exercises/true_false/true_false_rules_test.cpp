// The true/false exercise without a window: its content, the shuffle, the
// ticks and their marking, the painted layout and the course check.
#include "exercises/common/swap_shuffle.h"
#include "exercises/true_false/true_false_content.h"
#include "exercises/true_false/true_false_layout.h"
#include "exercises/true_false/true_false_state.h"
#include "platform/cp1250.h"
#include "platform/random.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TrueFalseContent Parse(const std::string& body) {
    auto parsed = ParseTrueFalseContent(body);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        ADD_FAILURE() << *error;
        return {};
    }
    return std::get<TrueFalseContent>(parsed);
}

std::string Statements(int count) {
    std::string body;
    for (int n = 1; n <= count; ++n) {
        body += (n % 2 == 1 ? "T_s" : "s") + std::to_string(n) + "#";
    }
    return body;
}

// Seven pixels a character, eight in bold.
int Measure(std::string_view text, TextStyle style) {
    return static_cast<int>(Utf8Length(text)) * (style.bold ? 8 : 7);
}

TEST(TrueFalseContent, HeadingsDefaultOnlyForASingleBlank) {
    struct Case {
        std::string headings, expectTrue, expectFalse;
    };
    for (const Case& c : std::vector<Case>{{" # #", "Prawda", "Fałsz"},
                                           {"##", "", ""},
                                           {"Yes#No#", "Yes", "No"},
                                           {"  #Nie#", "  ", "Nie"}}) {
        const auto content = Parse("39#" + c.headings + "a#b#");
        EXPECT_EQ(content.trueHeading, c.expectTrue) << c.headings;
        EXPECT_EQ(content.falseHeading, c.expectFalse) << c.headings;
    }
}

TEST(TrueFalseContent, StatementsKeepTheirTruthAndLoseTheMark) {
    const auto content = Parse("39# # #T_ Tom is here. # Ann sings.#T_Bob#  ");
    const std::vector<TrueFalseStatement> expected{
        {"Tom is here.", true}, {"Ann sings.", false}, {"Bob", true}};
    EXPECT_EQ(content.statements, expected);
}

TEST(TrueFalseContent, ContentTheScreenCannotUseIsRefused) {
    struct Case {
        std::string body;
        std::string error;
    };
    for (const Case& c :
         std::vector<Case>{{"39# # #only one#", "At least 2 statements are needed."},
                           {"39# # #", "At least 2 statements are needed."},
                           {"39# # #a#b", "Statement 2 does not end with \"#\"."},
                           {"39#Prawda", "The two headings must each end with \"#\"."},
                           {"39# # #" + Statements(15), "More than 14 statements."}}) {
        const auto parsed = ParseTrueFalseContent(c.body);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.body;
        EXPECT_EQ(std::get<std::string>(parsed), c.error);
    }
    EXPECT_EQ(Parse("39# # #" + Statements(14)).statements.size(), 14u);
}

TEST(TrueFalseContent, SeededShuffleGivesAGoldenOrderWithTruthKept) {
    FixRandomSeed(7);
    auto content = Parse("39# # #" + Statements(6));
    ShuffleStatements(content);
    ReleaseRandomSeed();
    std::vector<std::string> order;
    for (const auto& s : content.statements) {
        order.push_back(s.text);
        // Odd statements are the true ones, wherever they went.
        EXPECT_EQ(s.truth, (std::stoi(s.text.substr(1)) % 2) == 1) << s.text;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"s2", "s4", "s1", "s3", "s6", "s5"}));
}

TEST(SwapShuffle, ExchangesDistinctPositionsInAGoldenOrder) {
    FixRandomSeed(7);
    std::vector<std::pair<int, int>> swaps;
    SwapShuffle(3, 4, [&](int a, int b) { swaps.emplace_back(a, b); });
    SwapShuffle(1, 4, [&](int a, int b) { swaps.emplace_back(a, b); }); // nothing to exchange
    ReleaseRandomSeed();
    EXPECT_EQ(swaps, (std::vector<std::pair<int, int>>{{2, 0}, {1, 2}, {2, 1}, {2, 0}}));
}

TEST(TrueFalseState, TicksMoveBetweenTheBoxesUntilMarked) {
    TrueFalseState state(Parse("39# # #T_a#b#"));
    state.Tick(0, true);
    state.Tick(0, false);
    state.Tick(0, false); // the ticked box stays ticked
    EXPECT_EQ(state.TrueBox(0), AnswerMark::Normal);
    EXPECT_EQ(state.FalseBox(0), AnswerMark::Checked);
    EXPECT_EQ(state.Actions(), 3);
    state.Mark();
    state.Tick(1, true);
    EXPECT_EQ(state.Actions(), 3);
    EXPECT_EQ(state.FalseBox(1), AnswerMark::Checked); // the right box of the unanswered one
}

TEST(TrueFalseState, MarkingTicksTheRightBoxCrossesWrongTicksAndFlagsTheUnanswered) {
    // true ticked true, true ticked false, false ticked true, true unanswered,
    // false unanswered.
    TrueFalseState state(Parse("39# # #T_a#T_b#c#T_d#e#"));
    state.Tick(0, true);
    state.Tick(1, false);
    state.Tick(2, true);
    state.Mark();
    struct Expect {
        AnswerMark trueBox, falseBox;
        bool exclaimed;
    };
    const std::vector<Expect> expected{{AnswerMark::Checked, AnswerMark::Normal, false},
                                       {AnswerMark::Checked, AnswerMark::Bad, false},
                                       {AnswerMark::Bad, AnswerMark::Checked, false},
                                       {AnswerMark::Checked, AnswerMark::Normal, true},
                                       {AnswerMark::Normal, AnswerMark::Checked, true}};
    for (int n = 0; n < 5; ++n) {
        const Expect& e = expected[static_cast<std::size_t>(n)];
        EXPECT_EQ(state.TrueBox(n), e.trueBox) << n;
        EXPECT_EQ(state.FalseBox(n), e.falseBox) << n;
        EXPECT_EQ(state.Exclaimed(n), e.exclaimed) << n;
    }
    EXPECT_EQ(state.Right(), 1);
    EXPECT_EQ(state.WrongCount(), 4);
}

TEST(TrueFalseState, TenStatementsWithSevenRightGiveThirtyFive) {
    TrueFalseState state(Parse("39# # #" + Statements(10)));
    for (int n = 0; n < 10; ++n) {
        const bool truth = n % 2 == 0;
        state.Tick(n, n < 7 ? truth : !truth);
    }
    EXPECT_EQ(state.Points(), 0);
    state.Mark();
    EXPECT_EQ(state.Right(), 7);
    EXPECT_EQ(state.WrongCount(), 3);
    EXPECT_EQ(state.Points(), 35);
}

TEST(TrueFalseLayout, TheWiderHeadingSetsTheBlockAndItsColumns) {
    // "Prawda" is 6 x 8 = 48 bold, "Fałsz" 40: the block is 2 x 48 + 10.
    const auto layout = LayOutTrueFalse(Measure, Parse("39# # #T_a#b#"), 400, 21);
    EXPECT_EQ(layout.block, 106);
    EXPECT_EQ(layout.trueHeading.x, (53 - 48) / 2 + 1);
    EXPECT_EQ(layout.falseHeading.x, 53 + (53 - 40) / 2 + 1);
    EXPECT_EQ(layout.trueHeading.y, 4);
    EXPECT_EQ(layout.trueCentre, 26);
    EXPECT_EQ(layout.falseCentre, 78);
    EXPECT_EQ(layout.dividerX, 53);
    // Statements start right of the block; a longer heading pushes them on.
    EXPECT_EQ(layout.words.at(0).x, 111);
    const auto wide = LayOutTrueFalse(Measure, Parse("39#Prawdziwe#No#a#b#"), 400, 21);
    EXPECT_EQ(wide.block, 2 * 72 + 10);
    EXPECT_EQ(wide.words.at(0).x, 159);
}

TEST(TrueFalseLayout, AWrappedStatementHasItsBoxesLevelWithItsMiddle) {
    // From x = 111 in a box 200 wide, words of 5 characters (35 pixels with
    // their blank) fit two to a line: six words take three lines.
    const auto layout =
        LayOutTrueFalse(Measure, Parse("39# # #aaaa bbbb cccc dddd eeee ffff#T_gg#"), 200, 21);
    ASSERT_EQ(layout.words.size(), 7u);
    EXPECT_EQ(layout.words[0].y, 26);
    EXPECT_EQ(layout.words[2].y, 26 + 17);
    EXPECT_EQ(layout.words[2].x, 111);
    EXPECT_EQ(layout.words[5].y, 26 + 34);
    EXPECT_EQ(layout.words[0].text, "aaaa ");
    // Three lines: from 26 to 26 + 34 + 24 = 84; the middle less half a box
    // and 5 pixels.
    EXPECT_EQ(layout.boxTops[0], 26 + 58 / 2 - 10 - 5);
    EXPECT_EQ(layout.words[6].y, 84);
    EXPECT_EQ(layout.boxTops[1], 84 + 12 - 10 - 5);
    EXPECT_EQ(layout.dividerBottom, 84 + 24 + 5);
}

} // namespace
} // namespace lumora
