// A lesson from click to points: the topic screen starts the multiple-choice
// lesson, the learner answers, checks and leaves, the result box shows the
// points and the total, and the topic screen and the points file show the
// lesson as done.
#include "elements/result_box.h"
#include "exercises/catalogue.h"
#include "exercises/multiple_choice/choice_screen.h"
#include "platform/random.h"
#include "shell/topic_screen.h"
#include "story_course.h"

namespace lumora {
namespace {

class LessonFlow : public test::StoryCourse {
  protected:
    LessonFlow() {
        FixRandomSeed(9);
        lessons.OnAnyClosed([this] { topics.LessonClosed(); });
    }
    ~LessonFlow() override { ReleaseRandomSeed(); }

    static LessonScreens MadeAt(RunContext& context, int place) {
        LessonScreens screens;
        screens.MakeAt(context, place);
        return screens;
    }

    // The colour in the middle of the lesson's icon's lower edge.
    QColor IconColour() {
        topics.PaintBox1->repaint();
        const TopicHitArea& icon = topics.HitAreas().at(0);
        return topics.PaintBox1->grab().toImage().pixelColor(icon.left + 15, icon.top + 16);
    }
    void ChooseRightAnswers() {
        choice.pb_tresc->repaint();
        for (const AnswerArea& a : choice.AnswerAreas()) {
            if (choice.Content().questions.at(static_cast<std::size_t>(a.question)).right ==
                a.option) {
                test::MouseClick(*choice.pb_tresc, {a.left + 10, a.top + 10});
            }
        }
    }

    // Made and joined as start-up does.
    LessonScreens lessons = MadeAt(context, 14);
    TC_MC_Form& choice = dynamic_cast<TC_MC_Form&>(*lessons.All().at(0));
    TWynik_Form& result = testRun.run.result;
    TSecondForm topics{context, lessons};
};

TEST_F(LessonFlow, FromTheTopicScreenToPointsAndADoneIcon) {
    course.TextTable[15] = "Punkty:";
    course.TextTable[16] = "Razem:";
    test::ShowAndWait(topics);
    const QColor before = IconColour();
    const TopicHitArea icon = topics.HitAreas().at(0);
    test::MouseClick(*topics.PaintBox1, {icon.left + 5, icon.top + 5});
    ASSERT_TRUE(choice.isVisible());
    test::ShowAndWait(choice);

    ChooseRightAnswers();
    choice.btn_ok->Click();
    EXPECT_EQ(choice.State().Right(), 3);
    std::string caption;
    test::WhenIdle([&] {
        caption = result.Label1->Caption();
        clock.Advance(TWynik_Form::kCloseAfter);
    });
    choice.btn_exit->Click();

    EXPECT_EQ(caption, "Punkty: 15\rRazem: 15");
    EXPECT_FALSE(choice.isVisible());
    EXPECT_TRUE(topics.isVisible());
    EXPECT_NE(IconColour(), before);
    EXPECT_EQ(IconColour(), QColor(30, 160, 70)); // the done icon's green
    EXPECT_TRUE(RecordedAsDone(15));
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace lumora
