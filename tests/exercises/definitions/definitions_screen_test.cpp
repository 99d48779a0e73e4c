// The definitions screen: words dragged with the mouse into the slots of
// their definitions, the check with its answer list, the long hint pause,
// and the points it leaves with.
#include "elements/result_box.h"
#include "exercises/definitions/definitions_screen.h"
#include "platform/random.h"
#include "platform/ui/hints.h"
#include "story_course.h"

#include <QTest>

namespace lumora {
namespace {

constexpr const char* kItems = "38#cat*an animal that says <B> miaow </B>#cup*you drink tea "
                               "from it#pen*you write with it#";
// Pool at (15, 180), slots from x = 15, definitions from y = 240.
constexpr const char* kLayout = "24,62*420,118*15,180*15,240";

class DefinitionsScreenTest : public test::StoryCourse {
  protected:
    DefinitionsScreenTest() {
        FixRandomSeed(5);
        UseLesson({.code = 38, .body = kItems, .layout = kLayout});
        course.TextTable[15] = "Punkty:";
        course.HintTable[51] = "Your answers:";
    }
    ~DefinitionsScreenTest() override { ReleaseRandomSeed(); }

    void Open() {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
    }
    const DefinitionsBoard& Board() { return *screen.Board(); }
    int LabelIndex(const std::string& word) {
        for (int n = 0; n < Board().Count(); ++n) {
            if (screen.lbl[static_cast<std::size_t>(n)]->Caption() == word) {
                return n;
            }
        }
        ADD_FAILURE() << word;
        return 0;
    }
    Label& LabelOf(const std::string& word) {
        return *screen.lbl[static_cast<std::size_t>(LabelIndex(word))];
    }
    // Presses on the word, moves it in two steps and lets go at the point.
    void DragWord(const std::string& word, QPoint to) {
        const QPoint from = LabelOf(word).geometry().center();
        test::MouseDown(screen, from);
        test::MouseMoveTo(screen, (from + to) / 2);
        test::MouseMoveTo(screen, to);
        test::MouseUp(screen, to);
    }
    QPoint Slot(int i) { return screen.podkl[static_cast<std::size_t>(i)]->geometry().center(); }
    // Whether the word stands centred in slot i.
    bool InSlot(const std::string& word, int i) {
        const QRect slot = screen.podkl[static_cast<std::size_t>(i)]->geometry();
        const QRect label = LabelOf(word).geometry();
        return label.topLeft() == QPoint(slot.x() + (slot.width() - label.width()) / 2,
                                         slot.y() + (slot.height() - label.height()) / 2);
    }
    bool AtHome(const std::string& word) {
        const WordPlace home = Board().Home(LabelIndex(word));
        return LabelOf(word).pos() == QPoint(home.left, home.top);
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

    TC_DefForm screen{context};
    TWynik_Form& result = testRun.run.result;
};

TEST_F(DefinitionsScreenTest, WordsDraggedIntoSlotsAndACheckWithTheAnswerList) {
    Open();
    EXPECT_TRUE(screen.btn_play->isHidden());
    DragWord("cat", Slot(0));
    EXPECT_TRUE(InSlot("cat", 0));
    DragWord("cat", Slot(0) + QPoint(3, 0)); // its own slot again: it stays
    EXPECT_TRUE(InSlot("cat", 0));
    DragWord("pen", Slot(1));
    EXPECT_TRUE(InSlot("pen", 1));
    DragWord("pen", Slot(0)); // taken by cat: pen goes home, its slot is free
    EXPECT_TRUE(AtHome("pen"));
    EXPECT_EQ(Board().LabelIn(1), -1);
    DragWord("cup", Slot(2));
    EXPECT_TRUE(InSlot("cup", 2));
    EXPECT_EQ(Board().DragCount(), 5);
    EXPECT_EQ(LabelOf("cat").cursor().shape(), Qt::PointingHandCursor);
    // While held, the word stands centred on the pointer.
    Label& pen = LabelOf("pen");
    test::MouseDown(screen, pen.geometry().center());
    test::MouseMoveTo(screen, {300, 120});
    EXPECT_EQ(pen.pos(), QPoint(300 - pen.width() / 2, 120 - pen.height() / 2));
    test::MouseUp(screen, {5, 5});
    EXPECT_TRUE(AtHome("pen"));

    screen.btn_sprawdz->Click();
    EXPECT_TRUE(screen.btn_sprawdz->isHidden());
    EXPECT_FALSE(screen.lbl_jeszcze_raz->isHidden());
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/No_1.wav")});
    EXPECT_EQ(Board().RightCount(), 1);
    ASSERT_TRUE(screen.img_1->isVisible());
    EXPECT_EQ(screen.img_1->cursor().shape(), Qt::PointingHandCursor);
    const WordPlace mark = Board().WarningPicture();
    EXPECT_EQ(screen.img_1->pos(), QPoint(mark.left, mark.top));
    EXPECT_EQ(screen.img_1->toolTip().toStdString(), "Your answers:\n - cat\n - \n - cup");
    // Every word in its own slot now.
    EXPECT_TRUE(InSlot("cat", 0));
    EXPECT_TRUE(InSlot("cup", 1));
    EXPECT_TRUE(InSlot("pen", 2));
    EXPECT_EQ(LabelOf("cat").cursor().shape(), Qt::ArrowCursor);
    DragWord("cat", Slot(2)); // nothing moves once checked
    EXPECT_TRUE(InSlot("cat", 0));
    EXPECT_EQ(Board().DragCount(), 6);

    EXPECT_EQ(Leave(), "Punkty: 5");
    EXPECT_TRUE(RecordedAsDone(5));
}

TEST_F(DefinitionsScreenTest, AllRightPraisesWithoutAWarningAndAgainStartsAfresh) {
    Open();
    DragWord("cat", Slot(0));
    DragWord("cup", Slot(1));
    DragWord("pen", Slot(2));
    screen.btn_sprawdz->Click();
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/Ok_1.wav")});
    EXPECT_FALSE(screen.img_1->isVisible());
    screen.btn_sprawdz->Click(); // a second press does nothing
    EXPECT_EQ(side.plays.size(), 1u);

    screen.lbl_jeszcze_raz->Click();
    EXPECT_FALSE(Board().Evaluated());
    EXPECT_FALSE(screen.btn_sprawdz->isHidden());
    for (const char* word : {"cat", "cup", "pen"}) {
        EXPECT_TRUE(AtHome(word)) << word;
    }
    EXPECT_FALSE(screen.lbl[3]->isVisible());
    EXPECT_FALSE(screen.podkl[3]->isVisible());
    EXPECT_EQ(Leave(), "Punkty: 0");
    EXPECT_TRUE(RecordedAsDone(0));
}

TEST_F(DefinitionsScreenTest, SlotsFollowTheirDefinitionsAndThePoolIsShuffled) {
    // A narrow box: the first definition wraps, so its slot is taller and
    // the rows below move down.
    UseLesson({.code = 38, .body = kItems, .layout = "24,62*420,118*15,180*480,240"});
    Open();
    std::vector<std::string> order;
    for (int n = 0; n < 3; ++n) {
        order.push_back(screen.lbl[static_cast<std::size_t>(n)]->Caption());
    }
    EXPECT_EQ(order, std::vector<std::string>({"cat", "pen", "cup"}));
    const QRect first = screen.podkl[0]->geometry();
    const QRect second = screen.podkl[1]->geometry();
    EXPECT_EQ(first.top(), 242);
    EXPECT_EQ(first.height() % 17, 0);
    EXPECT_GT(first.height(), 17);
    EXPECT_EQ(second.top() - first.top(), first.height() - 17 + 24);
    EXPECT_EQ(screen.mys[0]->y(), first.top() + first.height() / 2);
    EXPECT_EQ(screen.DxRamka->x(), 480 + screen.podkl[0]->width() - 6 + 30);
}

TEST_F(DefinitionsScreenTest, HintsStayUpLongWhileTheScreenIsActive) {
    const int before = HintHidePause();
    Open();
    EXPECT_EQ(HintHidePause(), TC_DefForm::kHintHidePause);
    {
        // A window over the screen brings back the usual pause, until it goes.
        Form over{200, 100};
        over.Show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !screen.isActiveWindow(); }));
        EXPECT_EQ(HintHidePause(), before);
        over.Close();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen.isActiveWindow(); }));
        EXPECT_EQ(HintHidePause(), TC_DefForm::kHintHidePause);
    }
    screen.lbl_jeszcze_raz->Click();
    Leave();
    EXPECT_EQ(HintHidePause(), before);
}

TEST_F(DefinitionsScreenTest, FaultyContentIsRefusedNamingTheRecord) {
    Open();
    DragWord("cat", Slot(0));
    UseLesson({.code = 38, .body = "38#cat an animal#"});
    EXPECT_FALSE(screen.Load());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].starts_with("St.t record 1: ")) << messages.Messages()[0];
    EXPECT_EQ(Board().DragCount(), 1); // the screen keeps what it had
}

} // namespace
} // namespace lumora
