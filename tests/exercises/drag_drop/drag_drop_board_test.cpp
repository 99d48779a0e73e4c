#include "exercises/drag_drop/drag_drop_board.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(DragDropTable, ColumnWidthIsTheWidestTextPlusPadding) {
    EXPECT_EQ(ColumnWidth({40, 72, 55}), 90);
    EXPECT_EQ(ColumnWidth({}), 18);
}

TEST(DragDropTable, PoolWrapsAtItsWidthAndAZeroWidthGivesEveryWordARow) {
    const std::vector<LabelSize> labels{{50, 16}, {60, 16}, {40, 17}, {200, 16}};
    EXPECT_EQ(LayOutPool(labels, {30, 140}, 150),
              (std::vector<Place>{{30, 140}, {100, 140}, {30, 157}, {30, 173}}));
    EXPECT_EQ(LayOutPool(labels, {30, 140}, 0),
              (std::vector<Place>{{30, 156}, {30, 172}, {30, 189}, {30, 205}}));
}

TEST(DragDropTable, CellsAndDropAreasFollowTheColumnWidth) {
    const TableGeometry t{100, 200, 60, 3, 2};
    EXPECT_EQ(t.DropArea(1), (Edges{97, 200, 157, 260}));
    EXPECT_EQ(t.DropArea(3), (Edges{217, 200, 277, 260}));
    EXPECT_EQ(t.CellPlace(2, 2, {30, 16}), (Place{181, 242}));
    // A label wider than its column: the division truncates toward zero.
    EXPECT_EQ(t.CellPlace(1, 1, {65, 23}), (Place{104, 219}));
    EXPECT_EQ(t.Frame(), (Edges{100, 200, 280, 260}));
    EXPECT_EQ(t.Cell(1, 0), (Edges{100, 200, 160, 220}));
    EXPECT_EQ(t.Cell(2, 1), (Edges{159, 220, 220, 240}));
    EXPECT_EQ(t.HeaderText(2, 41), (Place{169, 203}));
    EXPECT_EQ(t.WarningPicture(2, 1), (Place{157, 220}));
}

TEST(DragDropTable, ZerosInTheLessonRowBecomeDefaultsThatStay) {
    SteeringRow row;
    row.LayoutY[3] = 170;
    row.LayoutX[4] = 500;
    auto layout = ApplyDragDropDefaults(row, 90, 3);
    EXPECT_EQ(layout.table, (Place{195, 240}));
    EXPECT_EQ(layout.pool, (Place{30, 170}));
    EXPECT_EQ(layout.poolWidth, 500);
    // A second opening with wider columns keeps the first table position.
    layout = ApplyDragDropDefaults(row, 150, 3);
    EXPECT_EQ(layout.table, (Place{195, 240}));
    EXPECT_EQ(row.LayoutX[2], 195);
    // A table wider than the default area starts left of it.
    SteeringRow wide;
    EXPECT_EQ(ApplyDragDropDefaults(wide, 101, 7).table.left, -23);
}

TEST(DragDropTable, SetUpMeasuresHeadersAndWordsAndFillsTheRowDefaults) {
    const DragDropContent content{
        2, 4, {"People", "Things in the house"}, {{"Kate", 1}, {"TV", 2}}};
    SteeringRow row;
    row.LayoutX[4] = 100;
    // Seven pixels a character, 16 high.
    const DragDropBoard board = SetUpBoard(content, row, [](const std::string& text) {
        return LabelSize{7 * static_cast<int>(text.size()), 16};
    });
    const TableGeometry& t = board.Table();
    EXPECT_EQ(t.columnWidth, 7 * 19 + 18);
    EXPECT_EQ((Place{t.left, t.top}), (Place{(660 - 151 * 2) / 2, 240}));
    EXPECT_EQ(t.rows, 4);
    EXPECT_EQ(row.LayoutX[2], 179);
    EXPECT_EQ(board.Home(0), (Place{30, 140}));
    EXPECT_EQ(board.Home(1), (Place{78, 140})); // 28 + 20, and 14 more fit in 100
    EXPECT_EQ(board.Label(1).width, 14);
    EXPECT_EQ(board.Position(1), board.Home(1));
}

// Two columns of three rows, 60 pixels wide, at (100, 200); five words of
// 30 x 16 in the pool. Column 1 spans x 97..157, column 2 157..217.
class Board : public ::testing::Test {
  protected:
    static DragDropBoard Make(int rows = 3) {
        std::vector<TableWord> words{{"a", 1}, {"b", 1}, {"c", 2}, {"d", 2}, {"e", 1}};
        std::vector<Place> homes;
        for (int i = 0; i < 5; ++i) {
            homes.push_back({10 + 50 * i, 10});
        }
        return DragDropBoard(words, std::vector<LabelSize>(5, {30, 16}), homes,
                             TableGeometry{100, 200, 60, 2, rows});
    }
    DragDropBoard board = Make();
};

TEST_F(Board, SharedEdgeGoesToTheLowerColumnUntilItIsFull) {
    for (int w : {0, 1, 4}) {
        board.Drop(w, {157, 250});
    }
    EXPECT_EQ(board.CellWord(1, 1), 0);
    EXPECT_EQ(board.CellWord(1, 3), 4);
    EXPECT_EQ(board.Position(4), (Place{121, 262}));
    // Column 1 is full: the shared edge passes the word on to column 2.
    EXPECT_EQ(board.Drop(2, {157, 250}), (Place{181, 222}));
    EXPECT_EQ(board.ColumnOf(2), 2);
    // Inside column 1 only: full, so the word goes home.
    EXPECT_EQ(board.Drop(3, {120, 250}), (Place{160, 10}));
    EXPECT_EQ(board.ColumnOf(3), 0);
}

TEST_F(Board, HeaderRowBelongsToTheColumnAndOutsideSendsHome) {
    board.Drop(0, {110, 200});
    EXPECT_EQ(board.ColumnOf(0), 1);
    board.Drop(0, {96, 230}); // one pixel left of the table's drop areas
    EXPECT_EQ(board.ColumnOf(0), 0);
    EXPECT_EQ(board.Position(0), board.Home(0));
    EXPECT_EQ(board.CellWord(1, 1), -1);
    board.Drop(0, {200, 281}); // one pixel below the last row
    EXPECT_EQ(board.ColumnOf(0), 0);
}

TEST_F(Board, ADroppedWordLeavesItsCellFirst) {
    board.Drop(0, {120, 230});
    board.Drop(1, {120, 230});
    board.Drop(0, {500, 500}); // row 1 is free again
    board.Drop(1, {120, 230}); // its own column again: the topmost free row
    EXPECT_EQ(board.CellWord(1, 1), 1);
    EXPECT_EQ(board.CellWord(1, 2), -1);
    board.Drop(1, {180, 230});
    EXPECT_EQ(board.CellWord(1, 1), -1);
    EXPECT_EQ(board.CellWord(2, 1), 1);
}

TEST_F(Board, CheckSendsWrongWordsHomeWithWarningsAndShowsTheSolution) {
    EXPECT_TRUE(board.StartDrag(0));
    board.Drop(0, {180, 230}); // a: column 2, wrong
    EXPECT_TRUE(board.StartDrag(2));
    board.Drop(2, {180, 230}); // c: column 2, right
    EXPECT_EQ(board.WarningAt({160, 225}), "");
    EXPECT_FALSE(board.Check());
    EXPECT_EQ(board.RightCount(), 1);
    EXPECT_EQ(board.WrongCount(), 4);
    EXPECT_EQ(board.DragCount(), 2);
    EXPECT_EQ(board.Points(), 5);
    EXPECT_EQ(board.WarningText(2, 1), "a");
    EXPECT_EQ(board.WarningText(2, 2), "");
    // The solution, in word order: a, b, e into column 1; d takes the row a left.
    EXPECT_EQ(board.CellWord(1, 1), 0);
    EXPECT_EQ(board.CellWord(1, 2), 1);
    EXPECT_EQ(board.CellWord(1, 3), 4);
    EXPECT_EQ(board.CellWord(2, 1), 3);
    EXPECT_EQ(board.CellWord(2, 2), 2);
    EXPECT_EQ(board.Position(3), (Place{181, 222}));
    // The warning square: from the column's left edge, one pixel above the row.
    EXPECT_EQ(board.WarningAt({157, 219}), "a");
    EXPECT_EQ(board.WarningAt({175, 237}), "a");
    EXPECT_EQ(board.WarningAt({176, 237}), "");
    EXPECT_EQ(board.WarningAt({160, 245}), "");
}

TEST_F(Board, NothingMovesOnceChecked) {
    board.Drop(0, {120, 230});
    board.Check();
    EXPECT_FALSE(board.StartDrag(0));
    EXPECT_EQ(board.Drop(0, {500, 500}), (Place{121, 222}));
    EXPECT_EQ(board.ColumnOf(0), 1);
    EXPECT_EQ(board.DragCount(), 0);
    board.Check();
    EXPECT_EQ(board.RightCount(), 1);
}

TEST_F(Board, CheckingUntouchedWordsFillsTheTableWithoutWarnings) {
    EXPECT_FALSE(board.Check());
    EXPECT_EQ(board.RightCount(), 0);
    EXPECT_EQ(board.WrongCount(), 5);
    for (int w = 0; w < board.Count(); ++w) {
        EXPECT_EQ(board.ColumnOf(w), board.Word(w).column) << w;
    }
    for (int c = 1; c <= 2; ++c) {
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(board.WarningText(c, k), "");
        }
    }
}

TEST_F(Board, AllRightOrAFullRightColumn) {
    for (int w : {0, 1, 4}) {
        board.Drop(w, {120, 230});
    }
    for (int w : {2, 3}) {
        board.Drop(w, {180, 230});
    }
    EXPECT_TRUE(board.Check());
    EXPECT_EQ(board.Points(), 25);

    DragDropBoard oneRow = Make(1);
    oneRow.Check();
    EXPECT_EQ(oneRow.ColumnOf(0), 1);
    EXPECT_EQ(oneRow.ColumnOf(1), 0); // column 1 is full: b stays home
    EXPECT_EQ(oneRow.Position(1), oneRow.Home(1));
}

} // namespace
} // namespace lumora
