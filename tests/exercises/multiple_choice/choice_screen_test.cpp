// The multiple-choice screen: choosing with the mouse, marking, scrolling,
// trying again and the points it leaves with.
#include "elements/result_box.h"
#include "exercises/multiple_choice/choice_screen.h"
#include "platform/random.h"
#include "platform/ui/recording_canvas.h"
#include "story_course.h"

#include <algorithm>

namespace lumora {
namespace {

class ChoiceScreenTest : public test::StoryCourse {
  protected:
    ChoiceScreenTest() { FixRandomSeed(5); }
    ~ChoiceScreenTest() override { ReleaseRandomSeed(); }

    void Open() {
        screen.Load();
        test::ShowAndWait(screen);
        Paint();
    }
    void Paint() { screen.pb_tresc->repaint(); }

    const AnswerArea& Area(int q, const std::string& text) {
        const auto& options = screen.Content().questions.at(static_cast<std::size_t>(q)).options;
        const int option =
            static_cast<int>(std::find(options.begin(), options.end(), text) - options.begin());
        const auto& areas = screen.AnswerAreas();
        const auto it = std::find_if(areas.begin(), areas.end(), [&](const AnswerArea& a) {
            return a.question == q && a.option == option;
        });
        EXPECT_NE(it, areas.end()) << text;
        static const AnswerArea nowhere{-1, -1, -100, -100, -100, -100};
        return it != areas.end() ? *it : nowhere;
    }
    // Clicks the answer with that text of question q where it was last painted.
    void Choose(int q, const std::string& text) {
        const AnswerArea& a = Area(q, text);
        test::MouseClick(*screen.pb_tresc, {a.left + 10, a.top + 10});
    }
    bool Chosen(int q, const std::string& text) {
        return screen.State().Selected(q, Area(q, text).option);
    }
    void Leave() {
        test::WhenIdle([this] { clock.Advance(TWynik_Form::kCloseAfter); });
        screen.btn_exit->Click();
    }
    int DrawnMarks(const QImage& mark) {
        RecordingCanvas canvas(screen.pb_tresc->width(), screen.pb_tresc->height());
        screen.pb_tresc->PaintTo(canvas);
        return static_cast<int>(
            std::count_if(canvas.Pictures.begin(), canvas.Pictures.end(),
                          [&](const DrawnPicture& p) { return p.imageKey == mark.cacheKey(); }));
    }

    TC_MC_Form screen{context};
};

TEST_F(ChoiceScreenTest, ClicksChooseOneAnswerPerQuestionAndMarkingJudgesThem) {
    Open();
    Choose(0, "At school");
    Choose(0, "At home");
    Choose(1, "Ann");
    Choose(1, "Ann"); // the chosen answer stays chosen
    EXPECT_TRUE(Chosen(0, "At home"));
    EXPECT_FALSE(Chosen(0, "At school"));
    EXPECT_TRUE(Chosen(1, "Ann"));
    EXPECT_EQ(screen.State().Actions(), 4);
    test::MouseMoveTo(*screen.pb_tresc, {Area(2, "Red").left + 10, Area(2, "Red").top + 10});
    EXPECT_EQ(screen.pb_tresc->cursor().shape(), Qt::PointingHandCursor);

    screen.btn_ok->Click();
    EXPECT_TRUE(screen.btn_ok->isHidden());
    EXPECT_FALSE(screen.lbl_jeszcze_raz->isHidden());
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/No_1.wav")});
    EXPECT_EQ(screen.State().Right(), 1);
    EXPECT_EQ(screen.State().WrongCount(), 2); // the unanswered question too
    // Wrong choice crossed; every right answer ticked, the unanswered one too.
    EXPECT_EQ(DrawnMarks(screen.img_bad->Image()), 1);
    EXPECT_EQ(DrawnMarks(screen.img_checked->Image()), 3);
    Paint();
    Choose(1, "Bob"); // locked once marked
    EXPECT_EQ(screen.State().Actions(), 4);
    EXPECT_TRUE(screen.State().Wrong(1, Area(1, "Ann").option));

    Leave();
    EXPECT_TRUE(RecordedAsDone(5));
}

TEST_F(ChoiceScreenTest, OneQuestionAnsweredRightIsWorthTwentyWithPraise) {
    UseLesson({.body = "35#Is it red?=T_Yes=No#"});
    Open();
    Choose(0, "Yes");
    screen.btn_ok->Click();
    EXPECT_EQ(side.plays, std::vector<std::string>{CourseFile("wav/Ok_1.wav")});
    Leave();
    EXPECT_TRUE(RecordedAsDone(20));
}

TEST_F(ChoiceScreenTest, ScrollingMovesTheTextAndItsClickAreasTogether) {
    UseLesson({.layout = "24,62*420,118*30,118*400,100"});
    Open();
    // Fifteen rows from y = 24 in a box 100 high.
    EXPECT_EQ(screen.ScrollLimit(), (24 + 15 * 24 - 100) / 25 + 1);
    EXPECT_FALSE(screen.btn_dn->isHidden());
    EXPECT_TRUE(screen.btn_up->isHidden());
    const int top = Area(0, "At home").top;
    screen.btn_dn->Click();
    Paint();
    EXPECT_EQ(screen.ScrollPosition(), 1);
    EXPECT_FALSE(screen.btn_up->isHidden());
    EXPECT_EQ(Area(0, "At home").top, top - 24);
    Choose(0, "At home");
    EXPECT_TRUE(Chosen(0, "At home"));
    for (int i = 1; i < screen.ScrollLimit(); ++i) {
        screen.btn_dn->Click();
    }
    EXPECT_EQ(screen.ScrollPosition(), screen.ScrollLimit());
    EXPECT_TRUE(screen.btn_dn->isHidden());
    screen.btn_dn->Click();
    EXPECT_EQ(screen.ScrollPosition(), screen.ScrollLimit());
    for (int i = 0; i < screen.ScrollLimit(); ++i) {
        screen.btn_up->Click();
    }
    EXPECT_EQ(screen.ScrollPosition(), 0);
    EXPECT_TRUE(screen.btn_up->isHidden());
    Paint();
    EXPECT_EQ(Area(0, "At home").top, top);
    EXPECT_TRUE(Chosen(0, "At home")); // the choice survives scrolling
}

TEST_F(ChoiceScreenTest, AgainStartsTheLessonAfresh) {
    UseLesson({.layout = "24,62*420,118*30,118*400,100"});
    Open();
    Choose(0, "At home");
    screen.btn_dn->Click();
    screen.btn_ok->Click();
    screen.lbl_jeszcze_raz->Click();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(screen.State().Marked());
    EXPECT_EQ(screen.State().Actions(), 0);
    EXPECT_FALSE(screen.btn_ok->isHidden());
    EXPECT_TRUE(screen.lbl_jeszcze_raz->isHidden());
    EXPECT_EQ(screen.ScrollPosition(), 0);
    EXPECT_TRUE(screen.btn_up->isHidden());
    EXPECT_EQ(std::count(player.plays.begin(), player.plays.end(),
                         CourseFile("Polecenia/rozumienie/help1.wav")),
              2);
    EXPECT_TRUE(screen.img_tlo->HasImage());
}

// The defaults are kept in the session's copy of the row for the next
// opening; the course as loaded is not changed.
TEST_F(ChoiceScreenTest, ContentAreaDefaultsAreKeptInTheRow) {
    UseLesson({.layout = "24,62*420,118"});
    Open();
    EXPECT_EQ(screen.pb_tresc->geometry(), QRect(20, 156, 381, 729));
    const SteeringRow& row = *CurrentLayoutRow(course, session.lesson);
    EXPECT_EQ(row.LayoutX[2], 20);
    EXPECT_EQ(row.LayoutY[3], 729);
    EXPECT_EQ(course.Steering(1)->LayoutX[2], 0);
    EXPECT_EQ(course.Steering(1)->LayoutY[3], 0);
}

TEST_F(ChoiceScreenTest, FaultyContentIsRefusedWithTheRecordNamed) {
    struct Case {
        std::string body;
        std::string message;
    };
    const Case cases[] = {
        {"35#Where?=at home=at school#", "St.t record 1: Question 1: no answer is marked \"T_\"."},
        {"35#Where?=T_at home#", "St.t record 1: Question 1: it needs at least two answers."},
        {"35#Where?=T_a=b=c=d=e#", "St.t record 1: Question 1: it has more than 4 answers."},
        {"35#Where?=T_a=b", "St.t record 1: Question 1: it does not end with \"#\"."},
    };
    for (const Case& c : cases) {
        UseLesson({.body = c.body});
        messages.Clear();
        EXPECT_FALSE(screen.Load());
        EXPECT_EQ(messages.Messages(), std::vector<std::string>{c.message});
        EXPECT_FALSE(screen.isVisible());
        EXPECT_TRUE(player.plays.empty());
    }
}

} // namespace
} // namespace lumora
