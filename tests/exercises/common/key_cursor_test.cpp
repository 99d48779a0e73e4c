// The key cursors of the lessons: a grid's current cell stops at its edges,
// a carried word chooses among the pool and the targets, and the answers of a
// multiple choice run from one question into the next; items are read
// without their markup.
#include "exercises/common/key_carry.h"
#include "exercises/common/key_cursor.h"
#include "exercises/common/spoken_text.h"
#include "exercises/multiple_choice/choice_keys.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(GridCursor, ArrowsMoveInsideTheGridAndStopAtItsEdges) {
    GridCursor grid(3, 4);
    EXPECT_FALSE(grid.Move(KeyStep::Up));
    EXPECT_FALSE(grid.Move(KeyStep::Left));
    EXPECT_TRUE(grid.Move(KeyStep::Right));
    EXPECT_TRUE(grid.Move(KeyStep::Down));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Column(), 1);
    EXPECT_EQ(grid.Index(), 5);
    grid.Set(2, 3);
    EXPECT_FALSE(grid.Move(KeyStep::Down));
    EXPECT_FALSE(grid.Move(KeyStep::Right));
    EXPECT_FALSE(grid.Move(KeyStep::Next));
    // Reading order crosses the rows.
    grid.Set(0, 3);
    EXPECT_TRUE(grid.Move(KeyStep::Next));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Column(), 0);
    EXPECT_TRUE(grid.Move(KeyStep::Previous));
    EXPECT_EQ(grid.Index(), 3);
    EXPECT_TRUE(grid.Move(KeyStep::Last));
    EXPECT_EQ(grid.Index(), 11);
    EXPECT_TRUE(grid.Move(KeyStep::First));
    EXPECT_EQ(grid.Index(), 0);
}

TEST(GridCursor, AnEmptyGridNeverMovesAndACellOutsideIsClamped) {
    GridCursor empty(0, 2);
    EXPECT_TRUE(empty.Empty());
    for (KeyStep step : {KeyStep::Down, KeyStep::Right, KeyStep::Next, KeyStep::Last}) {
        EXPECT_FALSE(empty.Move(step));
    }
    GridCursor list(4, 1);
    list.Set(9, 5);
    EXPECT_EQ(list.Row(), 3);
    EXPECT_EQ(list.Column(), 0);
    EXPECT_FALSE(list.Move(KeyStep::Right));
    EXPECT_TRUE(list.Move(AlongList(KeyStep::Left)));
    EXPECT_EQ(list.Row(), 2);
}

TEST(KeyCarry, ArrowsChooseTheWordThenTheTargetOfTheWordCarried) {
    KeyCarry carry(3, 2); // three words; the pool and two targets
    EXPECT_TRUE(carry.Move(KeyStep::Right));
    EXPECT_TRUE(carry.Move(KeyStep::Down));
    EXPECT_FALSE(carry.Move(KeyStep::Next));
    EXPECT_EQ(carry.Word(), 2);
    carry.PickUp(0);
    EXPECT_TRUE(carry.Carrying());
    EXPECT_EQ(carry.Target(), 0);
    EXPECT_TRUE(carry.Move(KeyStep::Next));
    EXPECT_TRUE(carry.Move(KeyStep::Right));
    EXPECT_FALSE(carry.Move(KeyStep::Down)); // the last target
    EXPECT_EQ(carry.Word(), 2);              // the word stays the one carried
    EXPECT_EQ(carry.Drop(), 2);
    EXPECT_FALSE(carry.Carrying());
    // A word picked up from a target starts there; Escape keeps nothing.
    carry.PickUp(1);
    EXPECT_EQ(carry.Target(), 1);
    EXPECT_TRUE(carry.Move(KeyStep::Up));
    carry.PutBack();
    EXPECT_FALSE(carry.Carrying());
    EXPECT_TRUE(carry.Move(KeyStep::Left)); // the words again
    EXPECT_EQ(carry.Word(), 1);
}

TEST(KeyCarry, NoWordsNothingToPickUp) {
    KeyCarry carry(0, 3);
    carry.PickUp(0);
    EXPECT_FALSE(carry.Carrying());
}

TEST(ChoiceKeys, TheArrowsRunThroughEveryAnswerAndSpaceChoosesIt) {
    ChoiceContent content;
    content.questions = {{{"stem 1", "a", "b"}, 1}, {{"stem 2", "c", "d", "e"}, 3}};
    content.answerTotal = 5;
    ChoiceState state(content);
    ChoiceKeys keys(content);
    EXPECT_EQ(keys.Current(), (ChoicePick{0, 1}));
    EXPECT_FALSE(keys.Move(KeyStep::Up));
    EXPECT_TRUE(keys.Move(KeyStep::Down));
    EXPECT_TRUE(keys.Move(KeyStep::Right));
    EXPECT_EQ(keys.Current(), (ChoicePick{1, 1})); // the stem is never current
    keys.Choose(state);
    EXPECT_TRUE(state.Selected(1, 1));
    EXPECT_TRUE(keys.Move(KeyStep::Last));
    EXPECT_EQ(keys.Current(), (ChoicePick{1, 3}));
    keys.Choose(state);
    EXPECT_FALSE(state.Selected(1, 1));
    EXPECT_TRUE(state.Selected(1, 3));
    EXPECT_TRUE(keys.Move(KeyStep::Left));
    EXPECT_EQ(keys.Current(), (ChoicePick{1, 2}));
}

TEST(ChoiceKeys, AnExerciseWithoutAnswersHasNoCurrentOne) {
    ChoiceContent content;
    ChoiceState state(content);
    ChoiceKeys keys(content);
    EXPECT_TRUE(keys.Empty());
    EXPECT_FALSE(keys.Move(KeyStep::Down));
    keys.Choose(state); // nothing to choose, nothing breaks
}

TEST(SpokenText, MarkupIsLeftOutAndALineBreakReadAsABlank) {
    EXPECT_EQ(SpokenText("a <B>big</B>  cat<BR>sat\r\n"), "a big cat sat");
    EXPECT_EQ(SpokenText("un<I>done</I>"), "undone");
    EXPECT_EQ(SpokenText("   "), "");
}

} // namespace
} // namespace lumora
