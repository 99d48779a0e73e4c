// The drag-and-drop screen: words dragged with the mouse into the table's
// columns, the check with its warnings, hints and solution, and the points
// it leaves with.
#include "elements/result_box.h"
#include "exercises/drag_drop/drag_drop_screen.h"
#include "platform/random.h"
#include "story_course.h"

namespace lumora {
namespace {

// Two words for each of the two columns; three body rows.
constexpr const char* kTable = "36#2#3#Animals#Things#cat*1#dog*1#cup*2#pen*2#";
// Table at (100, 300), pool at (30, 140), 600 pixels wide.
constexpr const char* kLayout = "24,62*420,118*100,300*30,140*600,0";

class DragDropScreenTest : public test::StoryCourse {
  protected:
    DragDropScreenTest() {
        FixRandomSeed(5);
        UseLesson({.code = 36, .body = kTable, .layout = kLayout});
        course.TextTable[15] = "Punkty:";
    }
    ~DragDropScreenTest() override { ReleaseRandomSeed(); }

    void Open() {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
    }
    const DragDropBoard& Board() { return *screen.Board(); }
    int WordIndex(const std::string& text) {
        for (int w = 0; w < Board().Count(); ++w) {
            if (Board().Word(w).text == text) {
                return w;
            }
        }
        ADD_FAILURE() << text;
        return 0;
    }
    Label& LabelOf(const std::string& text) {
        return *screen.lbl[static_cast<std::size_t>(WordIndex(text))];
    }
    // Presses on the word, moves it in two steps and lets go at the point.
    void DragWord(const std::string& text, QPoint to) {
        Label& label = LabelOf(text);
        const QPoint from = label.geometry().center();
        test::MouseDown(screen, from);
        test::MouseMoveTo(screen, (from + to) / 2);
        test::MouseMoveTo(screen, to);
        test::MouseUp(screen, to);
    }
    // A point in column c, in body row k (0: the header row).
    QPoint InColumn(int c, int k = 1) {
        const Edges area = Board().Table().DropArea(c);
        return {(area.left + area.right) / 2, area.top + 20 * k + 10};
    }
    QPoint At(const std::string& text) { return LabelOf(text).pos(); }
    Place Cell(int c, int k, const std::string& text) {
        const Label& label = LabelOf(text);
        return Board().Table().CellPlace(c, k, {label.width(), label.height()});
    }
    std::string Leave() {
        std::string caption;
        test::WhenIdle([&] {
            caption = result.Label1->Caption();
            clock.Advance(TWynik_Form::kCloseAfter);
        });
        screen.btn_exit->Click();
        return caption.substr(0, caption.find('\r'));
    }

    TC_DDForm screen{context};
    TWynik_Form& result = testRun.run.result;
};

QPoint ToPoint(Place p) {
    return {p.left, p.top};
}

TEST_F(DragDropScreenTest, WordsDraggedIntoColumnsAreCheckedAndTheWrongOneLeavesAWarning) {
    Open();
    EXPECT_FALSE(screen.btn_ok->isHidden());
    const QPoint catHome = At("cat");
    DragWord("cat", InColumn(1, 2)); // any row of the column: the topmost free one
    EXPECT_EQ(At("cat"), ToPoint(Cell(1, 1, "cat")));
    DragWord("dog", InColumn(1, 0)); // the header row belongs to its column
    EXPECT_EQ(At("dog"), ToPoint(Cell(1, 2, "dog")));
    DragWord("cup", InColumn(1));
    EXPECT_EQ(At("cup"), ToPoint(Cell(1, 3, "cup")));
    DragWord("pen", {5, 5}); // off the table: home
    EXPECT_EQ(At("pen"), ToPoint(Board().Home(WordIndex("pen"))));
    EXPECT_EQ(Board().DragCount(), 4);
    EXPECT_NE(catHome, At("cat"));
    // While held, the word stands on the pointer, a little to its right.
    Label& pen = LabelOf("pen");
    test::MouseDown(screen, pen.geometry().center());
    test::MouseMoveTo(screen, {300, 250});
    EXPECT_EQ(pen.pos(), QPoint(300 - pen.width() / 2 + 9, 250 - pen.height() / 2));
    test::MouseUp(screen, {5, 5});
    EXPECT_EQ(Board().DragCount(), 5);

    screen.btn_ok->Click();
    EXPECT_TRUE(screen.btn_ok->isHidden());
    EXPECT_FALSE(screen.lbl_jeszcze_raz->isHidden());
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/No_1.wav")});
    EXPECT_EQ(Board().RightCount(), 2);
    // The solution, in the shuffled order (pen before cup): both in the
    // things column; cup's warning stays in the cell it had taken.
    EXPECT_EQ(At("pen"), ToPoint(Cell(2, 1, "pen")));
    EXPECT_EQ(At("cup"), ToPoint(Cell(2, 2, "cup")));
    EXPECT_EQ(Board().WarningText(1, 3), "cup");
    const Place mark = Board().Table().WarningPicture(1, 3);
    screen.PaintBox2MouseMove(mark.left + 5, mark.top + 5);
    EXPECT_EQ(screen.PaintBox2->toolTip().toStdString(), "cup");
    EXPECT_EQ(screen.PaintBox2->cursor().shape(), Qt::PointingHandCursor);
    screen.PaintBox2MouseMove(5, 5);
    EXPECT_TRUE(screen.PaintBox2->toolTip().isEmpty());
    EXPECT_EQ(LabelOf("cat").cursor().shape(), Qt::ArrowCursor);

    // Once checked nothing moves.
    DragWord("cat", InColumn(2));
    EXPECT_EQ(At("cat"), ToPoint(Cell(1, 1, "cat")));
    EXPECT_EQ(Board().DragCount(), 5);

    EXPECT_EQ(Leave(), "Punkty: 10");
    EXPECT_TRUE(RecordedAsDone(10));
}

TEST_F(DragDropScreenTest, ACheckWithNothingMovedShowsTheSolutionWithoutWarnings) {
    Open();
    screen.btn_ok->Click();
    EXPECT_EQ(Board().RightCount(), 0);
    EXPECT_EQ(Board().WrongCount(), 4);
    EXPECT_EQ(Board().ColumnOf(WordIndex("cat")), 1);
    EXPECT_EQ(Board().ColumnOf(WordIndex("pen")), 2);
    for (int c = 1; c <= 2; ++c) {
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(Board().WarningText(c, k), "");
        }
    }
    screen.btn_ok->Click(); // a second check changes nothing
    EXPECT_EQ(side.plays.size(), 1u);
}

TEST_F(DragDropScreenTest, AllRightPraisesAndAgainStartsAfreshFromThePool) {
    Open();
    DragWord("cat", InColumn(1));
    DragWord("dog", InColumn(1));
    DragWord("cup", InColumn(2));
    DragWord("pen", InColumn(2));
    screen.btn_ok->Click();
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/Ok_1.wav")});
    EXPECT_EQ(Board().RightCount(), 4);

    screen.lbl_jeszcze_raz->Click();
    EXPECT_FALSE(Board().Evaluated());
    EXPECT_FALSE(screen.btn_ok->isHidden());
    EXPECT_TRUE(screen.lbl_jeszcze_raz->isHidden());
    for (int w = 0; w < Board().Count(); ++w) {
        EXPECT_EQ(screen.lbl[static_cast<std::size_t>(w)]->pos(), ToPoint(Board().Home(w)));
        EXPECT_EQ(screen.lbl[static_cast<std::size_t>(w)]->cursor().shape(),
                  Qt::PointingHandCursor);
    }
    EXPECT_FALSE(screen.lbl[4]->isVisible());
    EXPECT_EQ(Leave(), "Punkty: 0");
    EXPECT_TRUE(RecordedAsDone(0));
}

TEST_F(DragDropScreenTest, TheSeededShuffleAndThePoolRows) {
    // A pool 0 wide: every word on a row of its own, the first one a label
    // height below the pool's top.
    UseLesson({.code = 36, .body = kTable, .layout = "24,62*420,118*100,300*30,140*0,0"});
    Open();
    std::vector<std::string> order;
    for (int w = 0; w < Board().Count(); ++w) {
        order.push_back(Board().Word(w).text);
        EXPECT_EQ(screen.lbl[static_cast<std::size_t>(w)]->pos(),
                  QPoint(30, 140 + (w + 1) * screen.lbl[0]->height()));
    }
    EXPECT_EQ(order, std::vector<std::string>({"pen", "cup", "dog", "cat"}));
}

TEST_F(DragDropScreenTest, FaultyContentIsRefusedNamingTheRecord) {
    Open();
    DragWord("cat", InColumn(1));
    UseLesson({.code = 36, .body = "36#2#3#Animals#Things#cat*3#"});
    EXPECT_FALSE(screen.Load());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].starts_with("St.t record 1: ")) << messages.Messages()[0];
    EXPECT_EQ(Board().DragCount(), 1); // the screen keeps what it had
}

} // namespace
} // namespace lumora
