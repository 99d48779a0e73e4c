// The true/false screen: ticking with the mouse, marking with ticks, crosses
// and exclamation marks, the boxes beside their statements, and the points
// it leaves with.
#include "elements/result_box.h"
#include "exercises/true_false/true_false_screen.h"
#include "platform/random.h"
#include "story_course.h"

namespace lumora {
namespace {

constexpr const char* kStatements =
    "39# # #T_Tom is at home.#Ann sings every morning in the kitchen with her "
    "little brother and their old grey cat.#T_Bob is tall.#";

class TrueFalseScreenTest : public test::StoryCourse {
  protected:
    TrueFalseScreenTest() {
        FixRandomSeed(5);
        UseLesson({.code = 39, .body = kStatements});
        course.TextTable[15] = "Punkty:";
    }
    ~TrueFalseScreenTest() override { ReleaseRandomSeed(); }

    void Open() {
        screen.Load();
        test::ShowAndWait(screen);
        screen.pb_tresc->repaint();
    }
    // The statement's place in the shuffled order.
    int Index(const std::string& text) {
        const auto& s = screen.Content().statements;
        for (std::size_t n = 0; n < s.size(); ++n) {
            if (s[n].text.starts_with(text)) {
                return static_cast<int>(n);
            }
        }
        ADD_FAILURE() << text;
        return 0;
    }
    void Tick(const std::string& text, bool sayTrue) {
        const auto n = static_cast<std::size_t>(Index(text));
        test::MouseClick(sayTrue ? *screen.L[n] : *screen.R[n], {10, 10});
    }
    const QImage& Shown(const std::string& text, bool trueBox) {
        const auto n = static_cast<std::size_t>(Index(text));
        return (trueBox ? screen.L[n] : screen.R[n])->Image();
    }
    // Leaves and returns what the result box said.
    std::string Leave() {
        std::string caption;
        test::WhenIdle([&] {
            caption = result.Label1->Caption();
            clock.Advance(TWynik_Form::kCloseAfter);
        });
        screen.lbl_exit->Click();
        return caption.substr(0, caption.find('\r'));
    }

    TC_TF_Form screen{context};
    TWynik_Form& result = testRun.run.result;
};

TEST_F(TrueFalseScreenTest, TicksAndMarkingWithCrossesAndAnExclamation) {
    Open();
    EXPECT_EQ(screen.Content().trueHeading, "Prawda");
    Tick("Tom", false);
    Tick("Tom", true); // the other box of the same statement
    Tick("Ann", true);
    EXPECT_EQ(Shown("Tom", true).cacheKey(), screen.img_checked->Image().cacheKey());
    EXPECT_EQ(Shown("Tom", false).cacheKey(), screen.img_normal->Image().cacheKey());
    EXPECT_EQ(screen.State().Actions(), 3);
    EXPECT_EQ(screen.L[0]->cursor().shape(), Qt::PointingHandCursor);

    screen.btn_ok->Click();
    EXPECT_TRUE(screen.btn_ok->isHidden());
    EXPECT_FALSE(screen.lbl_jeszcze_raz->isHidden());
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/No_1.wav")});
    // Right stays; the wrong tick is crossed beside the right box; the
    // unanswered true statement gets its true box and an exclamation mark.
    EXPECT_EQ(Shown("Tom", true).cacheKey(), screen.img_checked->Image().cacheKey());
    EXPECT_EQ(Shown("Ann", true).cacheKey(), screen.img_bad->Image().cacheKey());
    EXPECT_EQ(Shown("Ann", false).cacheKey(), screen.img_checked->Image().cacheKey());
    EXPECT_EQ(Shown("Bob", true).cacheKey(), screen.img_checked->Image().cacheKey());
    EXPECT_EQ(Shown("Bob", false).cacheKey(), screen.img_normal->Image().cacheKey());
    const auto bob = static_cast<std::size_t>(Index("Bob"));
    EXPECT_TRUE(screen.wyk[bob]->isVisible());
    EXPECT_EQ(screen.wyk[bob]->pos(), QPoint(screen.pb_tresc->x() - 2, screen.L[bob]->y() + 3));
    EXPECT_FALSE(screen.wyk[static_cast<std::size_t>(Index("Tom"))]->isVisible());
    EXPECT_EQ(screen.L[0]->cursor().shape(), Qt::ArrowCursor);
    Tick("Bob", false); // locked once marked
    EXPECT_EQ(screen.State().Actions(), 3);

    EXPECT_EQ(Leave(), "Punkty: 5");
    EXPECT_TRUE(RecordedAsDone(5));
}

TEST_F(TrueFalseScreenTest, BoxesStandBesideTheirStatementsAndUnusedOnesStayHidden) {
    UseLesson({.code = 39, .body = kStatements, .layout = "24,62*420,118*30,150*300,300"});
    Open();
    EXPECT_EQ(screen.pb_tresc->geometry(), QRect(30, 150, 300, 300));
    // The seeded shuffle puts the long statement last.
    EXPECT_EQ(std::vector<int>({Index("Tom"), Index("Bob"), Index("Ann")}),
              std::vector<int>({0, 1, 2}));
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_TRUE(screen.L[n]->isVisible()) << n;
        EXPECT_EQ(screen.L[n]->y(), screen.R[n]->y());
        EXPECT_LT(screen.L[n]->x(), screen.R[n]->x());
        EXPECT_EQ(screen.L[n]->x(), screen.L[0]->x());
        EXPECT_GE(screen.L[n]->x(), screen.pb_tresc->x());
    }
    // Each pair of boxes sits 5 pixels above the middle of its statement:
    // one-line statements are 24 apart; the long one wraps into three lines
    // 17 apart, so its middle is (2 x 17 + 24) / 2 below its top.
    EXPECT_EQ(screen.L[1]->y() - screen.L[0]->y(), 24);
    const int oneLine = 24 / 2 - 21 / 2 - 5;
    const int threeLines = (2 * 17 + 24) / 2 - 21 / 2 - 5;
    EXPECT_EQ(screen.L[2]->y() - screen.L[1]->y(), 24 + threeLines - oneLine);
    EXPECT_FALSE(screen.L[3]->isVisible());
    EXPECT_FALSE(screen.R[13]->isVisible());
}

TEST_F(TrueFalseScreenTest, AllRightPraisesAndLeavingTheNextRoundUnmarkedGivesNothing) {
    Open();
    Tick("Tom", true);
    Tick("Ann", false);
    Tick("Bob", true);
    screen.btn_ok->Click();
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/Ok_1.wav")});
    EXPECT_EQ(screen.State().Right(), 3);
    screen.lbl_jeszcze_raz->Click();
    EXPECT_FALSE(screen.State().Marked());
    EXPECT_FALSE(screen.btn_ok->isHidden());
    screen.pb_tresc->repaint();
    Tick("Tom", true);
    EXPECT_EQ(Leave(), "Punkty: 0");
    EXPECT_TRUE(RecordedAsDone(0));
}

TEST_F(TrueFalseScreenTest, FaultyContentIsRefusedNamingTheRecord) {
    Open();
    Tick("Tom", true);
    UseLesson({.code = 39, .body = "39# # #T_only one#"});
    EXPECT_FALSE(screen.Load());
    EXPECT_EQ(messages.Messages(),
              std::vector<std::string>{"St.t record 1: At least 2 statements are needed."});
    // The screen keeps what it had.
    EXPECT_EQ(screen.State().Actions(), 1);
    EXPECT_EQ(screen.Content().statements.size(), 3u);
}

} // namespace
} // namespace lumora
