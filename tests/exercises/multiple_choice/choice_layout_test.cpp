#include "exercises/multiple_choice/choice_layout.h"
#include "platform/ui/recording_canvas.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

// One question per entry, the first option its stem; answer 1 is right.
ChoiceContent Questions(std::initializer_list<std::vector<std::string>> questions) {
    ChoiceContent content;
    for (const auto& options : questions) {
        content.questions.push_back({options, 1});
    }
    return content;
}

struct Laid {
    ChoiceLayout layout;
    bool boldAfter = false;
};

// Every character measures 7 pixels.
Laid LayOut(const ChoiceContent& content, const ChoiceState& state, int width, int scroll = 0) {
    RecordingCanvas canvas(width, 300);
    Laid laid{LayOutChoices(canvas, content, state, scroll), false};
    laid.boldAfter = canvas.Font.bold;
    return laid;
}

::testing::AssertionResult WordAt(const ChoiceLayout& l, const std::string& text, int x, int y) {
    for (const auto& w : l.words) {
        if (w.text == text) {
            if (w.x == x && w.y == y) {
                return ::testing::AssertionSuccess();
            }
            return ::testing::AssertionFailure()
                   << '"' << text << "\" at " << w.x << "," << w.y << ", not " << x << "," << y;
        }
    }
    return ::testing::AssertionFailure() << '"' << text << "\" is not drawn";
}

const ChoiceWord* Word(const ChoiceLayout& l, const std::string& text) {
    for (const auto& w : l.words) {
        if (w.text == text) {
            return &w;
        }
    }
    return nullptr;
}

TEST(ChoiceLayout, StemThenIndentedAnswersWithTheirAreas) {
    const auto c = Questions({{"Where is Tom?", "At home", "At school"}, {"Who?", "Ann", "Bob"}});
    const ChoiceLayout l = LayOut(c, ChoiceState(c), 400).layout;
    EXPECT_TRUE(WordAt(l, "Where ", 0, 24));
    EXPECT_TRUE(WordAt(l, "Tom? ", 63, 24));
    EXPECT_TRUE(WordAt(l, "home ", 46, 48));
    EXPECT_TRUE(WordAt(l, "school ", 46, 72));
    EXPECT_TRUE(WordAt(l, "Who? ", 0, 120)); // an empty row between questions
    ASSERT_EQ(l.areas.size(), 4u);
    EXPECT_EQ(l.areas[0].left, 0);
    EXPECT_EQ(l.areas[0].top, 48);
    EXPECT_EQ(l.areas[0].right, 81); // as far as its text reaches
    EXPECT_EQ(l.areas[0].bottom, 73);
    EXPECT_EQ(l.areas[3].question, 1);
    EXPECT_EQ(l.areas[3].option, 2);
    ASSERT_EQ(l.marks.size(), 4u);
    EXPECT_EQ(l.marks[1].y, 70); // two pixels above its row
    EXPECT_EQ(l.end, 216);
}

TEST(ChoiceLayout, LongWordsWrapEvenFirstOnTheirLine) {
    const auto c = Questions({{"aaaaaaaaaaaaaaaaaaaa", "bbbb cccc dddd", "e"}});
    const ChoiceLayout l = LayOut(c, ChoiceState(c), 100).layout;
    // Too wide for the box: it leaves its row empty and runs past the edge.
    EXPECT_TRUE(WordAt(l, "aaaaaaaaaaaaaaaaaaaa ", 25, 48));
    EXPECT_TRUE(WordAt(l, "cccc ", 60, 72));
    EXPECT_TRUE(WordAt(l, "dddd ", 25, 96));
    EXPECT_EQ(l.areas[0].top, 72);
    EXPECT_EQ(l.areas[0].right, 95); // the widest line, not the last
    EXPECT_EQ(l.areas[0].bottom, 121);
    EXPECT_EQ(l.areas[1].top, 120);
}

TEST(ChoiceLayout, MarksSwitchStylesAndBreakLines) {
    const auto c = Questions({{"<B> Big </b> <i> plain <I> slant </I>", "one <BR> two", "x <br> y"},
                              {"<b> open", "still"}});
    const Laid laid = LayOut(c, ChoiceState(c), 400);
    const ChoiceLayout& l = laid.layout;
    EXPECT_TRUE(Word(l, "Big ")->bold); // "<b>" and "</b>" in any case
    EXPECT_FALSE(Word(l, "plain ")->bold);
    EXPECT_FALSE(Word(l, "plain ")->italic); // "<i>" only as written in capitals
    EXPECT_TRUE(Word(l, "slant ")->italic);
    EXPECT_EQ(Word(l, "<i> "), nullptr);    // marks are never drawn
    EXPECT_TRUE(WordAt(l, "two ", 25, 66)); // "<BR>": 18 down, back to the indent
    EXPECT_TRUE(WordAt(l, "y ", 39, 90));   // "<br>" in lower case breaks nothing
    EXPECT_EQ(Word(l, "<br> "), nullptr);
    // An unclosed bold mark stays in force into the next option and past the paint.
    EXPECT_TRUE(Word(l, "still ")->bold);
    EXPECT_TRUE(laid.boldAfter);
}

TEST(ChoiceLayout, ScrolledRowsAreNotDrawnButTheirAreasMoveWithTheText) {
    const auto c = Questions({{"Stem", "first", "second"}});
    const ChoiceLayout l = LayOut(c, ChoiceState(c), 400, 2).layout;
    EXPECT_EQ(Word(l, "Stem "), nullptr); // its row is at y = -24
    EXPECT_TRUE(WordAt(l, "first ", 25, 0));
    EXPECT_EQ(l.marks[0].y, -2);
    EXPECT_EQ(l.areas[0].top, 0);
    EXPECT_EQ(l.areas[1].top, 24);
    const AnswerArea* hit = HitAnswer(l.areas, 30, 10);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->option, 1);
    // Areas overlap by one pixel; the first one found wins.
    EXPECT_EQ(HitAnswer(l.areas, 30, 24)->option, 1);
    EXPECT_EQ(HitAnswer(l.areas, 30, 26)->option, 2);
    EXPECT_EQ(HitAnswer(l.areas, 300, 26), nullptr);
}

TEST(ChoiceLayout, MarkPicturesFollowTheMarking) {
    const auto c = Questions({{"S", "right", "wrong"}, {"S", "right", "other"}});
    ChoiceState state(c);
    state.Choose(0, 2);
    EXPECT_EQ(LayOut(c, state, 400).layout.marks[1].mark, AnswerMark::Checked);
    state.Mark();
    const auto marks = LayOut(c, state, 400).layout.marks;
    EXPECT_EQ(marks[0].mark, AnswerMark::Checked);
    EXPECT_EQ(marks[1].mark, AnswerMark::Bad);
    EXPECT_EQ(marks[2].mark, AnswerMark::Checked); // unanswered: the right answer only
    EXPECT_EQ(marks[3].mark, AnswerMark::Normal);
}

TEST(ChoiceLayout, ScrollLimitOnlyWhenTheTextOverrunsTheBox) {
    EXPECT_EQ(ChoiceScrollLimit(500, 476), 0);
    EXPECT_EQ(ChoiceScrollLimit(500, 475), 2);
    EXPECT_EQ(ChoiceScrollLimit(500, 400), 5);
}

} // namespace
} // namespace lumora
