#include "exercises/definitions/definitions_board.h"

#include <gtest/gtest.h>

namespace lumora {

void PrintTo(const PaintedWord& w, std::ostream* os) {
    *os << "(" << w.x << "," << w.y << " \"" << w.text << "\"" << (w.style.bold ? " bold" : "")
        << (w.style.italic ? " italic" : "") << ")";
}

namespace {

TEST(DefinitionsLayout, ZerosBecomeDefaultsAndTheBoxFollowsTheWidestWord) {
    SteeringRow row;
    row.LayoutY[3] = 260;
    const DefinitionsFrame f = ApplyDefinitionsDefaults(row, 50);
    EXPECT_EQ(f.pool, (WordPlace{15, 180}));
    EXPECT_EQ(f.slotLeft, 15);
    EXPECT_EQ(f.slotWidth, 56);
    EXPECT_EQ(f.dashLeft, 79);
    EXPECT_EQ(f.boxLeft, 95);
    EXPECT_EQ(f.boxTop, 260);
    EXPECT_EQ(f.boxWidth, 525);
    EXPECT_EQ(row.LayoutX[2], 15);
    EXPECT_EQ(row.LayoutY[2], 180);
}

TEST(DefinitionsLayout, PoolWrapsBefore560) {
    EXPECT_EQ(LayOutWordPool({200, 250, 100, 600}, {15, 180}),
              (std::vector<WordPlace>{{15, 180}, {235, 180}, {15, 200}, {15, 220}}));
}

// Ten pixels a character, twelve in bold.
int Measure(std::string_view text, TextStyle style) {
    return static_cast<int>(text.size()) * (style.bold ? 12 : 10);
}

TEST(DefinitionsLayout, LongDefinitionsWrapAndPushTheRowsBelowDown) {
    DefinitionsFrame frame;
    frame.boxTop = 240;
    frame.boxWidth = 100;
    const std::vector<DefinitionItem> items{
        {"w1", "a <b> big </B> red house on the hill"},
        {"w2", "<i> wide xxxxxxxxxxxx"},
        {"w3", "ok"},
    };
    const DefinitionsPaint p = LayOutDefinitions(items, frame, Measure);
    const TextStyle plain, bold{true, false}, italic{false, true};
    EXPECT_EQ(p.words, (std::vector<PaintedWord>{
                           {0, 2, "a ", plain},
                           {20, 2, "big ", bold},
                           {68, 2, "red ", plain},
                           {0, 19, "house ", plain},
                           {60, 19, "on ", plain},
                           {0, 36, "the ", plain},
                           {40, 36, "hill ", plain},
                           {0, 60, "wide ", italic},
                           // Wider than the box: a line of its own, even so.
                           {0, 77, "xxxxxxxxxxxx ", italic},
                           // The style carries over into the next definition.
                           {0, 101, "ok ", italic},
                       }));
    ASSERT_EQ(p.rows.size(), 3u);
    EXPECT_EQ(p.rows[0].slotTop, 242);
    EXPECT_EQ(p.rows[0].slotHeight, 51);
    EXPECT_EQ(p.rows[0].dashTop, 267);
    EXPECT_EQ(p.rows[1].slotTop, 300);
    EXPECT_EQ(p.rows[1].slotHeight, 34);
    EXPECT_EQ(p.rows[2].slotTop, 341);
    EXPECT_EQ(p.rows[2].slotHeight, 17);
    EXPECT_EQ(p.rows[2].dashTop, 349);
    EXPECT_EQ(p.end, italic);
}

TEST(DefinitionsLayout, SetUpPlacesSlotsWhereTheDefinitionsArePainted) {
    const std::vector<DefinitionItem> items{{"tea", "a hot drink"}, {"bread", "food"}};
    SteeringRow row;
    const auto e = SetUpDefinitions(
        items, {1, 0}, row,
        [](const std::string& w) {
            return WordSize{10 * static_cast<int>(w.size()), 16};
        },
        Measure);
    EXPECT_EQ(e.frame.slotWidth, 56);
    EXPECT_EQ(e.frame.boxWidth, 590 - 15 - 50);
    EXPECT_EQ(e.board.ItemOf(0), 1);
    EXPECT_EQ(e.board.Home(1), (WordPlace{85, 180}));
    // Label 1 (tea) dropped on the first definition's slot lands centred in it.
    EXPECT_EQ(e.board.Count(), 2);
    DefinitionsBoard board = e.board;
    EXPECT_EQ(board.Drop(1, {20, 250}), (WordPlace{15 + (56 - 30) / 2, 242}));
    EXPECT_EQ(board.Drop(0, {20, 270}), (WordPlace{15 + 3, 266}));
}

// Three items; label j shows item (j + 1) % 3. Slots of 60 x 17 at x 15,
// one under the other from y 242, 24 pixels apart.
class Board : public ::testing::Test {
  protected:
    const std::vector<DefinitionItem> items{{"cat", "c"}, {"dog", "d"}, {"fish", "f"}};
    DefinitionsBoard board{items,
                           {1, 2, 0},
                           std::vector<WordSize>(3, {30, 16}),
                           {{15, 180}, {65, 180}, {115, 180}},
                           {{15, 242, 60, 17}, {15, 266, 60, 17}, {15, 290, 60, 34}}};
};

TEST_F(Board, ASlotTakesItsLabelCentredAndRefusesAnother) {
    EXPECT_EQ(board.Drop(0, {40, 250}), (WordPlace{30, 242}));
    EXPECT_EQ(board.LabelIn(0), 0);
    // The same slot again: it stays, centred.
    EXPECT_EQ(board.Drop(0, {15, 242}), (WordPlace{30, 242}));
    EXPECT_EQ(board.SlotOf(0), 0);
    // Into the third slot (34 high) from the first: the first slot is freed.
    EXPECT_EQ(board.Drop(0, {75, 324}), (WordPlace{30, 299}));
    EXPECT_EQ(board.LabelIn(0), -1);
    board.Drop(1, {40, 250});
    // An occupied slot sends the label home and empties its former one.
    EXPECT_EQ(board.Drop(0, {40, 250}), (WordPlace{15, 180}));
    EXPECT_EQ(board.SlotOf(0), -1);
    EXPECT_EQ(board.LabelIn(2), -1);
    EXPECT_EQ(board.LabelIn(0), 1);
    // Between two slots: home.
    EXPECT_EQ(board.Drop(1, {40, 284}), (WordPlace{65, 180}));
}

TEST_F(Board, CheckListsTheAnswersAndShowsTheSolution) {
    EXPECT_TRUE(board.StartDrag(0));
    board.Drop(0, {40, 250}); // dog into the cat slot: wrong
    EXPECT_TRUE(board.StartDrag(2));
    board.Drop(2, {40, 300}); // cat into the fish slot: wrong
    EXPECT_TRUE(board.StartDrag(0));
    EXPECT_EQ(board.AnswerList("Your answers:"), "");
    EXPECT_FALSE(board.Check());
    EXPECT_EQ(board.RightCount(), 0);
    EXPECT_EQ(board.WrongCount(), 3);
    EXPECT_EQ(board.DragCount(), 3);
    EXPECT_EQ(board.AnswerList("Your answers:"), "Your answers:\r - dog\r - \r - cat");
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(board.SlotOf(j), board.ItemOf(j)) << j;
    }
    EXPECT_EQ(board.Position(2), (WordPlace{30, 242}));
    // (17 - 18) div 2 truncates to 0.
    EXPECT_EQ(board.WarningPicture(), (WordPlace{69, 242}));
    // Frozen now.
    EXPECT_FALSE(board.StartDrag(1));
    EXPECT_EQ(board.Drop(1, {500, 500}), board.Position(1));
    EXPECT_EQ(board.SlotOf(1), 2);
    EXPECT_FALSE(board.Check());
    EXPECT_EQ(board.DragCount(), 3);
}

TEST_F(Board, AllRight) {
    board.Drop(0, {40, 270});
    board.Drop(1, {40, 300});
    board.Drop(2, {40, 250});
    EXPECT_TRUE(board.Check());
    EXPECT_EQ(board.Points(), 15);
    EXPECT_EQ(board.WrongCount(), 0);
}

} // namespace
} // namespace lumora
