// Every true/false, typing, drag-and-drop, definitions, sentence, crossword,
// reveal and word-search lesson of the demo course opens on its screen,
// headless, without a message; the story, sorting and sentence lessons can be
// done right to the end, and the sorting lessons fit on the screen.
#include "course/lesson_kinds.h"
#include "course/lesson_state.h"
#include "demo_course.h"
#include "elements/result_box.h"
#include "exercises/common/word_measures.h"
#include "exercises/crossword/crossword_screen.h"
#include "exercises/definitions/definitions_check.h"
#include "exercises/definitions/definitions_screen.h"
#include "exercises/drag_drop/drag_drop_check.h"
#include "exercises/drag_drop/drag_drop_screen.h"
#include "exercises/reveal/reveal_screen.h"
#include "exercises/sentences/sentence_screen.h"
#include "exercises/true_false/true_false_screen.h"
#include "exercises/typing/typing_screen.h"
#include "exercises/word_search/word_search_screen.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/ui/timer.h"
#include "qt_test_app.h"
#include "sound/sound_service.h"
#include "test_run.h"
#include "users/run_context.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumora::test {
namespace {

class DemoStoryScreens : public WidgetTest {
  protected:
    DemoStoryScreens() {
        course = DemoCourse().course;
        FixRandomSeed(3);
    }
    ~DemoStoryScreens() override { ReleaseRandomSeed(); }

    // Makes each lesson of that code the current one in turn.
    template <class Open> void ForEachLesson(int code, Open open) {
        int lessons = 0;
        for (int row = 1; row <= static_cast<int>(course.SteeringTable.size()); ++row) {
            const SteeringRow& r = *course.Steering(row);
            if (r.Code != code) {
                continue;
            }
            session.lesson.CurrentRow = row;
            session.lesson.CurrentContent = r.Content;
            session.lesson.CurrentCode = code;
            session.lesson.CurrentTopic = r.TopicFolder;
            SCOPED_TRACE(r.TopicFolder + " " + r.Content);
            open();
            ++lessons;
        }
        EXPECT_EQ(lessons, static_cast<int>(course.TopicTable.size()));
        EXPECT_TRUE(messages.Messages().empty()) << messages.Messages().front();
    }

    // Presses on the word and lets go at the point, moving there in a step.
    template <class Screen> void DragTo(Screen& screen, QWidget& word, QPoint to) {
        const QPoint from = word.geometry().center();
        test::MouseDown(screen, from);
        test::MouseMoveTo(screen, (from + to) / 2);
        test::MouseUp(screen, to);
    }

    MessageRecorder messages;
    TestRun testRun;
    CourseData& course = testRun.run.course;
    Session& session = testRun.run.session;
    RunContext& context = testRun.run.context;
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

// Answers the current sentence right on the screen.
void AnswerRight(TForm2& screen) {
    const SentenceSeries& series = screen.Series();
    if (series.Code() == 9) {
        for (std::size_t g = 0; g < screen.E_Wpis.size(); ++g) {
            screen.E_Wpis[g]->SetText(screen.Gaps().fields[g].answer);
        }
        screen.K_sprawdz->Click();
    } else if (series.Code() == 1) {
        (series.ExpectedAnswer() == 1 ? screen.K_tak : screen.K_nie)->Click();
    } else {
        screen.MImage.at(static_cast<std::size_t>(series.ExpectedAnswer() - 1))->Click();
    }
}

TEST_F(DemoStoryScreens, SentenceLessonsOpenAndCanBeDoneRight) {
    QTemporaryDir user;
    session.CurrentUserFolder = user.path().toStdString() + "/";
    session.points.InitPointsFromSteering(course);
    TestClock clock;
    TForm2 screen{context};
    int lessons = 0;
    for (int row = 1; row <= static_cast<int>(course.SteeringTable.size()); ++row) {
        const SteeringRow& r = *course.Steering(row);
        if (!SentenceSeries::RunsCode(r.Code)) {
            continue;
        }
        SCOPED_TRACE(r.TopicFolder + " " + r.Content + " code " + std::to_string(r.Code));
        ++lessons;
        session.lesson.CurrentRow = row;
        session.lesson.CurrentContent = r.Content;
        session.lesson.CurrentCode = r.Code;
        session.lesson.CurrentTopic = r.TopicFolder;
        SelectDataRows(course, session.lesson, r.Content);
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        while (screen.isVisible()) {
            for (std::size_t i = 0; i < screen.Series().PictureFiles().size(); ++i) {
                EXPECT_TRUE(screen.MImage[i]->HasImage()) << screen.Series().PictureFiles()[i];
            }
            AnswerRight(screen);
            ASSERT_FALSE(screen.K_ok->isHidden());
            if (screen.Series().AskedCount() == screen.Series().SeriesLength()) {
                test::WhenIdle([&clock] { clock.Advance(TWynik_Form::kCloseAfter); });
            }
            screen.K_ok->Click();
        }
        const int items = screen.Series().SeriesLength();
        EXPECT_GE(items, 8);
        EXPECT_EQ(session.points.Rows().at(static_cast<std::size_t>(row - 1)).Points, 10 * items);
    }
    EXPECT_EQ(lessons, 8 * static_cast<int>(course.TopicTable.size()));
    EXPECT_TRUE(messages.Messages().empty()) << messages.Messages().front();
}

TEST_F(DemoStoryScreens, DragAndDropLessonsOpenAndCanBeDoneRightWithTheMouse) {
    TC_DDForm screen{context};
    ForEachLesson(kDragAndDropCode, [&] {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        const DragDropBoard& board = *screen.Board();
        for (int w = 0; w < board.Count(); ++w) {
            const Edges area = board.Table().DropArea(board.Word(w).column);
            DragTo(screen, *screen.lbl[static_cast<std::size_t>(w)],
                   {(area.left + area.right) / 2, area.top + 10});
            EXPECT_EQ(board.ColumnOf(w), board.Word(w).column) << board.Word(w).text;
        }
        screen.btn_ok->Click();
        EXPECT_EQ(board.RightCount(), board.Count());
        screen.Close();
    });
    std::vector<std::string> faults;
    LoadReport report([&](const LoadFault& f) { faults.push_back(f.message); }, false);
    CheckDragDropLessons(course, report, &WordLabelSizeAs<LabelSize>);
    EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST_F(DemoStoryScreens, DefinitionsLessonsOpenAndCanBeDoneRightWithTheMouse) {
    TC_DefForm screen{context};
    ForEachLesson(kDefinitionsCode, [&] {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
        const DefinitionsBoard& board = *screen.Board();
        for (int n = 0; n < board.Count(); ++n) {
            const QWidget& slot = *screen.podkl[static_cast<std::size_t>(board.ItemOf(n))];
            DragTo(screen, *screen.lbl[static_cast<std::size_t>(n)], slot.geometry().center());
            EXPECT_EQ(board.SlotOf(n), board.ItemOf(n)) << n;
        }
        screen.btn_sprawdz->Click();
        EXPECT_EQ(board.RightCount(), board.Count());
        screen.Close();
    });
    std::vector<std::string> faults;
    LoadReport report([&](const LoadFault& f) { faults.push_back(f.message); }, false);
    CheckDefinitionsLessons(course, report, &WordTextWidth);
    EXPECT_TRUE(faults.empty()) << faults.front();
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
