// Every vocabulary lesson of the demo course opens in its three modes on the
// presentation screen, headless, without a message: its pictures show, and
// both drills can be done to their result with the points saved.
#include "course/lesson_state.h"
#include "demo_course.h"
#include "elements/result_box.h"
#include "exercises/presentation/presentation_screen.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/ui/timer.h"
#include "qt_test_app.h"
#include "sound/sound_service.h"
#include "temp_folder.h"
#include "test_run.h"
#include "users/points_table.h"
#include "users/run_context.h"

#include <gtest/gtest.h>

namespace lumora::test {
namespace {

class DemoVocabulary : public WidgetTest {
  protected:
    DemoVocabulary() {
        course = DemoCourse().course;
        session.CurrentUserFolder = user.Path();
        course.UserDataFolder = user.Path();
        session.points.InitPointsFromSteering(course);
        FixRandomSeed(11);
    }
    ~DemoVocabulary() override { ReleaseRandomSeed(); }

    // Starts each lesson of that code in turn, as the topic screen does.
    template <class Run> void ForEachLesson(int code, Run run) {
        int lessons = 0;
        for (int row = 1; row <= static_cast<int>(course.SteeringTable.size()); ++row) {
            const SteeringRow& r = *course.Steering(row);
            if (r.Code != code) {
                continue;
            }
            session.lesson.CurrentTopic = r.TopicFolder;
            session.lesson.CurrentRow = row;
            session.lesson.CurrentContent = r.Content;
            session.lesson.CurrentCode = code;
            SelectDataRows(course, session.lesson, r.Content);
            SCOPED_TRACE(r.TopicFolder + " " + r.Content);
            ASSERT_TRUE(screen.Load());
            clock.Advance(8 * TPrezentacjaForm::kRevealStep);
            run();
            ++lessons;
        }
        EXPECT_EQ(lessons, static_cast<int>(course.TopicTable.size()));
        EXPECT_TRUE(messages.Messages().empty()) << messages.Messages().front();
    }
    // Runs the action that ends a drill, closing its result box by its timer.
    void Finishing(const std::function<void()>& action) {
        std::function<void()> close = [&] {
            if (!result.isVisible()) {
                WhenIdle(close);
                return;
            }
            clock.Advance(TWynik_Form::kCloseAfter);
        };
        WhenIdle(close);
        action();
    }
    // The points kept for the current lesson; -1 when it is not done.
    int SavedPoints() const {
        const PointsRow& row =
            session.points.Rows().at(static_cast<std::size_t>(session.lesson.CurrentRow - 1));
        return row.Done ? row.Points : -1;
    }

    TempFolder user;
    TestClock clock;
    MessageRecorder messages;
    TestRun testRun;
    FakeMediaPlayer& player = testRun.player;
    CourseData& course = testRun.run.course;
    Session& session = testRun.run.session;
    RunContext& context = testRun.run.context;
    TPrezentacjaForm screen{context};
    TWynik_Form& result = testRun.run.result;
};

TEST_F(DemoVocabulary, PresentationsShowTheirPicturesAndWords) {
    ForEachLesson(30, [&] {
        EXPECT_TRUE(screen.isVisible());
        for (int slot = 0; slot < screen.Page().LastShown(); ++slot) {
            EXPECT_TRUE(screen.img[static_cast<std::size_t>(slot)]->HasImage()) << slot;
            EXPECT_TRUE(screen.lbl[static_cast<std::size_t>(slot)]->isVisible()) << slot;
        }
        EXPECT_EQ(screen.btn_dn->isVisible(), screen.Page().WordCount() > 8);
        screen.btn_exit->Click();
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(SavedPoints(), 0);
    });
}

TEST_F(DemoVocabulary, PictureChoicesCanBeDoneToTheEnd) {
    ForEachLesson(31, [&] {
        while (!screen.Choice().Finished()) {
            const int slot = screen.Choice().CorrectSlot();
            const bool last = screen.Choice().SolvedCount() + 1 == screen.Choice().QuestionCount();
            const auto click = [&] { screen.ImageClick(slot); };
            last ? Finishing(click) : click();
        }
        EXPECT_EQ(SavedPoints(), 10 * screen.Choice().QuestionCount());
        EXPECT_FALSE(screen.isVisible());
    });
}

TEST_F(DemoVocabulary, TypingDrillsCanBeDoneToTheEnd) {
    ForEachLesson(32, [&] {
        for (int p = 1; p <= screen.Typing().Count(); ++p) {
            const int row = screen.WordOrder().at(static_cast<std::size_t>(p - 1));
            ASSERT_TRUE(screen.ed_wpis->isVisible());
            screen.ed_wpis->SetText(
                course.DataTable.at(static_cast<std::size_t>(row - 1)).EnglishText);
            const auto enter = [&] { PressKey(screen, Qt::Key_Return); };
            p == screen.Typing().Count() ? Finishing(enter) : enter();
        }
        EXPECT_EQ(SavedPoints(), 80);
        EXPECT_FALSE(screen.isVisible());
    });
}

} // namespace
} // namespace lumora::test
