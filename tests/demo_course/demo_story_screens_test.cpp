// Every true/false, typing, crossword, reveal and word-search lesson of the
// demo course opens on its screen, headless, without a message; the story
// lessons leave with the points of a full round.
#include "course/lesson_kinds.h"
#include "demo_course.h"
#include "exercises/crossword/crossword_screen.h"
#include "exercises/lesson_context.h"
#include "exercises/reveal/reveal_screen.h"
#include "exercises/true_false/true_false_screen.h"
#include "exercises/typing/typing_screen.h"
#include "exercises/word_search/word_search_screen.h"
#include "fake_media_player.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "qt_test_app.h"
#include "sound/sound_service.h"

#include <gtest/gtest.h>

namespace lumora::test {
namespace {

class DemoStoryScreens : public WidgetTest {
  protected:
    DemoStoryScreens() : saved_(Course()), savedSound_(InstallSoundService(&sound)) {
        Course() = DemoCourse().course;
        FixRandomSeed(3);
    }
    ~DemoStoryScreens() override {
        ReleaseRandomSeed();
        InstallSoundService(savedSound_);
        Course() = saved_;
    }

    // Makes each lesson of that code the current one in turn.
    template <class Open> void ForEachLesson(int code, Open open) {
        int lessons = 0;
        for (int row = 1; row <= static_cast<int>(Course().SteeringTable.size()); ++row) {
            const SteeringRow& r = *Course().Steering(row);
            if (r.Code != code) {
                continue;
            }
            Course().CurrentRow = row;
            Course().CurrentContent = r.Content;
            Course().CurrentCode = code;
            Course().CurrentTopic = r.TopicFolder;
            SCOPED_TRACE(r.TopicFolder + " " + r.Content);
            open();
            ++lessons;
        }
        EXPECT_EQ(lessons, static_cast<int>(Course().TopicTable.size()));
        EXPECT_TRUE(messages.Messages().empty()) << messages.Messages().front();
    }

    MessageRecorder messages;
    FakeMediaPlayer player;
    FakeMediaPlayer side;
    SoundService sound{player, side};
    LessonContext context{Course(), CurrentPoints(), sound};

  private:
    CourseData saved_;
    SoundService* savedSound_;
};

TEST_F(DemoStoryScreens, TrueFalseLessonsOpenAndCanBeDoneRight) {
    TC_TF_Form screen{context};
    ForEachLesson(kTrueFalseCode, [&] {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        screen.pb_tresc->repaint();
        const auto& statements = screen.Content().statements;
        for (std::size_t n = 0; n < statements.size(); ++n) {
            EXPECT_TRUE(screen.L[n]->isVisible());
            (statements[n].truth ? screen.L[n] : screen.R[n])->Click();
        }
        screen.btn_ok->Click();
        EXPECT_EQ(screen.State().Right(), static_cast<int>(statements.size()));
        screen.Close();
    });
}

TEST_F(DemoStoryScreens, TypingLessonsOpenAndCanBeDoneRight) {
    TCW_Wpisywanie1Form screen{context};
    ForEachLesson(kTypingCode, [&] {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        screen.DXRamka->repaint();
        const auto& answers = screen.State().Text().answers;
        ASSERT_FALSE(screen.GapAreas().empty());
        screen.OpenGap(screen.GapAreas().front().word);
        for (std::size_t g = 0; g < answers.size(); ++g) {
            if (!screen.Edit1->isVisible()) {
                // Out of view: scroll on and open the next gap from there.
                screen.btn_dn->Click();
                screen.DXRamka->repaint();
                screen.OpenGap(screen.GapAreas().at(g).word);
            }
            ASSERT_TRUE(screen.Edit1->isVisible()) << g;
            screen.Edit1->SetText(answers[g]);
            if (g + 1 < answers.size()) {
                test::PressKey(screen, Qt::Key_Tab);
            }
        }
        screen.btn_sprawdz->Click();
        EXPECT_EQ(screen.State().RightCount(), static_cast<int>(answers.size()));
        screen.Close();
    });
}

TEST_F(DemoStoryScreens, CrosswordsOpenWithARowAndAPicturePerWord) {
    TKrzyzowkaForm screen{context};
    ForEachLesson(kCrosswordCode, [&] {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        const Crossword& game = *screen.Game();
        EXPECT_GE(game.RowCount(), 2);
        for (int k = 1; k <= game.RowCount(); ++k) {
            EXPECT_TRUE(screen.img.at(static_cast<std::size_t>(k - 1))->HasImage()) << k;
        }
        screen.Close();
    });
}

TEST_F(DemoStoryScreens, RevealGamesOpenOverTheirPicture) {
    TOdkrywanieForm screen{context};
    ForEachLesson(kRevealCode, [&] {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        EXPECT_TRUE(screen.Image1->HasImage());
        EXPECT_TRUE(screen.Edit1->isVisible());
        screen.Close();
    });
}

TEST_F(DemoStoryScreens, WordSearchesOpenWithTheirGrid) {
    TPseudo_Form screen{context};
    ForEachLesson(kWordSearchCode, [&] {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        EXPECT_GT(screen.Game()->WordCount(), 0);
        EXPECT_EQ(screen.Label1->Caption(),
                  "Wyrazów do odnalezienia: " + std::to_string(screen.Game()->WordCount()));
        screen.Close();
    });
}

} // namespace
} // namespace lumora::test
