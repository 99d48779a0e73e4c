// The frame's share of every story exercise screen, run for each lesson code
// whose catalogue row builds on the frame: loading with its sounds and film,
// the transport bar, the buttons along the bottom, leaving, and lessons that
// are refused. A new frame screen adds its code and a sample content below.
#include "course/lesson_state.h"
#include "elements/information_screen.h"
#include "elements/result_box.h"
#include "exercises/catalogue.h"
#include "exercises/exercise_frame.h"
#include "exercises/transport_knob.h"
#include "platform/text_file.h"
#include "story_course.h"

#include <QTest>

#include <algorithm>

namespace lumora {
namespace {

struct FrameScreen {
    int code;
    std::string body; // content the screen accepts
    bool scrollButtons;
    // A file of its own the lesson reads (course-relative) and its text.
    std::string file = {};
    std::string fileText = {};
    // Whether layout pairs 3 and 4 place a content area (otherwise the screen
    // lays its content out itself).
    bool contentArea = true;
    // Whether the screen plays the lesson's recording or film.
    bool media = true;
};

void PrintTo(const FrameScreen& s, std::ostream* out) {
    *out << "code " << s.code;
}

const FrameScreen kFrameScreens[] = {
    {35, test::kThreeQuestions, true},
    {37, "37#kot", true, "wpisywania/kot.fcs",
     "szer_px=60\ntytul_tekst=Cat\npuste_luk=0\nThe &cat sat.\n"},
    {39, "39#True#False#T_The cat sat.#The dog sat.#", false},
    {.code = 36,
     .body = "36#2#3#Animals#Things#cat*1#cup*2#",
     .scrollButtons = false,
     .contentArea = false},
    {.code = 38,
     .body = "38#cat*an animal that says miaow#cup*you drink tea from it#",
     .scrollButtons = false,
     .contentArea = false,
     .media = false},
};

class ExerciseFrameTest : public test::StoryCourse,
                          public ::testing::WithParamInterface<FrameScreen> {
  protected:
    ExerciseFrameTest()
        : owned(ScreenFor(GetParam().code)->make(context)),
          screen(dynamic_cast<ExerciseFrame&>(*owned)) {
        UseLesson({});
    }

    // The lesson as the test gives it, of the screen's code and content.
    void UseLesson(test::Lesson lesson) {
        lesson.code = GetParam().code;
        lesson.body = GetParam().body;
        if (!GetParam().file.empty()) {
            builder.Write(GetParam().file, GetParam().fileText);
        }
        StoryCourse::UseLesson(lesson);
    }
    void Open(int autoPlay = 0) {
        session.settings.AutoPlay = autoPlay;
        BeginLesson(course, session.lesson, 1);
        screen.Load();
    }
    void Leave() {
        test::WhenIdle([this] { clock.Advance(TWynik_Form::kCloseAfter); });
        screen.btn_exit->Click();
    }
    int Knob() const { return screen.shape2->x() - screen.shape1->x(); }
    std::vector<std::string> Played(std::initializer_list<std::string> files) const {
        std::vector<std::string> paths;
        for (const std::string& f : files) {
            paths.push_back(CourseFile(f));
        }
        return paths;
    }
    std::string Instruction() const {
        return "polecenia/" + std::to_string(GetParam().code) + ".wav";
    }

    std::unique_ptr<LessonScreen> owned;
    ExerciseFrame& screen;
};

INSTANTIATE_TEST_SUITE_P(FrameScreens, ExerciseFrameTest, ::testing::ValuesIn(kFrameScreens));

TEST(FrameScreens, EveryCatalogueScreenOnTheFrameIsTestedHere) {
    for (const ScreenEntry& entry : ScreenCatalogue()) {
        for (int code : entry.codes) {
            const bool listed =
                std::any_of(std::begin(kFrameScreens), std::end(kFrameScreens),
                            [code](const FrameScreen& s) { return s.code == code; });
            EXPECT_EQ(listed, entry.onFrame) << entry.name << ", code " << code;
        }
    }
}

TEST_P(ExerciseFrameTest, WithoutAutoPlayOnlyTheHelpIsHeard) {
    Open();
    ASSERT_TRUE(screen.isVisible());
    EXPECT_EQ(player.plays, Played({"polecenia/rozumienie/help1.wav"}));
    FinishPlay();
    EXPECT_EQ(player.plays.size(), 1u);
    if (!GetParam().media) {
        EXPECT_EQ(screen.ExerciseMedia(), "");
        EXPECT_TRUE(screen.btn_play->isHidden());
        EXPECT_TRUE(screen.shape1->isHidden());
        return;
    }
    EXPECT_EQ(screen.ExerciseMedia(), CourseFile("Teksty_wav/roz_kuchnia.wav"));
    EXPECT_FALSE(screen.Timer1.Enabled());
    EXPECT_NE(sound.MediaTimer(), nullptr);
    // Laid out from the row's pairs: transport, content area, scroll buttons.
    EXPECT_EQ(screen.btn_stop->pos(), QPoint(69, 62));
    EXPECT_EQ(screen.shape1->geometry(), QRect(24, 91, 125, 10));
    if (GetParam().contentArea) {
        ASSERT_NE(screen.ContentControl(), nullptr);
        EXPECT_EQ(screen.ContentControl()->geometry(), QRect(30, 118, 690, 410));
    }
    if (GetParam().scrollButtons) {
        EXPECT_EQ(screen.btn_up->pos(), QPoint(727, 118));
        EXPECT_EQ(screen.btn_dn->geometry().bottom() + 1, 528);
    }
    EXPECT_TRUE(screen.img_tlo->HasImage()); // the default background
}

TEST_P(ExerciseFrameTest, WithAutoPlayTheRecordingFollowsTheHelp) {
    Open(1);
    EXPECT_EQ(player.plays, Played({"polecenia/rozumienie/help1.wav"}));
    FinishPlay();
    if (!GetParam().media) { // nothing but the help
        EXPECT_EQ(player.plays.size(), 1u);
        return;
    }
    EXPECT_EQ(player.plays,
              Played({"polecenia/rozumienie/help1.wav", "Teksty_wav/roz_kuchnia.wav"}));
    EXPECT_TRUE(screen.Timer1.Enabled()); // a listening recording moves the knob
}

TEST_P(ExerciseFrameTest, AFilmReplacesItsStillWhenItFollowsTheHelp) {
    if (!GetParam().media) {
        GTEST_SKIP() << "the screen plays no recording or film";
    }
    UseLesson({.head = "1#F_kot# #Watch.#"});
    Open(1);
    EXPECT_TRUE(screen.IsFilm());
    EXPECT_FALSE(screen.img_video->isHidden());
    EXPECT_TRUE(screen.img_video->HasImage());
    EXPECT_TRUE(screen.Panel2->isHidden());
    // A blank help sound name: the spoken instruction of the lesson kind.
    EXPECT_EQ(player.plays, Played({Instruction()}));
    FinishPlay();
    EXPECT_EQ(player.plays, Played({Instruction(), "Teksty_wav/kot.mpg"}));
    EXPECT_FALSE(screen.Panel2->isHidden());
    EXPECT_TRUE(screen.img_video->isHidden());
}

TEST_P(ExerciseFrameTest, AFilmMarkLooksOnlyForTheFilm) {
    UseLesson({.head = "1#F_pies#help1.wav#Watch.#"});
    Open(1);
    EXPECT_EQ(screen.ExerciseMedia(), "");
    FinishPlay();
    EXPECT_EQ(player.plays.size(), 1u);
    EXPECT_TRUE(screen.img_video->isHidden());
}

TEST_P(ExerciseFrameTest, TrackClickSeeksThereAndTheTimerFollowsThePlayer) {
    if (!GetParam().media) {
        GTEST_SKIP() << "the screen plays no recording or film";
    }
    player.length = 10100; // one step is 80.8 ms, rounded to 81
    Open();
    test::ShowAndWait(screen);
    test::MouseClick(*screen.shape1, {50, 5});
    EXPECT_EQ(Knob(), 50);
    EXPECT_EQ(player.FileName(), CourseFile("Teksty_wav/roz_kuchnia.wav"));
    EXPECT_EQ(player.Position(), 50 * 81);
    EXPECT_EQ(player.Mode(), PlayerMode::Playing);
    EXPECT_TRUE(screen.Timer1.Enabled());
    player.Seek(8080);
    clock.Advance(ExerciseFrame::kKnobInterval);
    EXPECT_EQ(Knob(), 100);
    screen.btn_pause->Click();
    player.Seek(0);
    clock.Advance(ExerciseFrame::kKnobInterval);
    EXPECT_EQ(Knob(), 100); // paused: the knob stays
    screen.btn_play->Click();
    screen.btn_stop->Click();
    EXPECT_EQ(Knob(), 0);
    EXPECT_EQ(player.Mode(), PlayerMode::Stopped);
}

TEST_P(ExerciseFrameTest, StopPutsTheFilmsStillBackInFront) {
    if (!GetParam().media) {
        GTEST_SKIP() << "the screen plays no recording or film";
    }
    UseLesson({.head = "1#F_kot# #Watch.#"});
    Open();
    test::ShowAndWait(screen);
    screen.btn_play->Click();
    EXPECT_FALSE(screen.Panel2->isHidden());
    EXPECT_TRUE(screen.img_video->isHidden());
    player.Seek(5000);
    clock.Advance(ExerciseFrame::kKnobInterval);
    EXPECT_EQ(Knob(), 62);
    screen.btn_stop->Click();
    EXPECT_EQ(Knob(), 0);
    EXPECT_TRUE(screen.Panel2->isHidden());
    EXPECT_FALSE(screen.img_video->isHidden());
    screen.btn_play->Click(); // and the film comes back in front when played
    EXPECT_FALSE(screen.Panel2->isHidden());
    EXPECT_TRUE(screen.img_video->isHidden());
}

TEST_P(ExerciseFrameTest, AfterTheCheckTheKnobShowsWhereThePlayerIs) {
    if (!GetParam().media) {
        GTEST_SKIP() << "the screen plays no recording or film";
    }
    Open();
    test::ShowAndWait(screen);
    screen.btn_play->Click();
    player.Seek(5000);
    clock.Advance(ExerciseFrame::kKnobInterval);
    ASSERT_EQ(Knob(), 62);
    screen.CheckButton->Click();
    EXPECT_EQ(Knob(), KnobOffset(player.Position(), player.Length()));
}

TEST_P(ExerciseFrameTest, DraggingTheKnobStopsAtTheEndsAndSeeksOnRelease) {
    if (!GetParam().media) {
        GTEST_SKIP() << "the screen plays no recording or film";
    }
    Open();
    test::ShowAndWait(screen);
    screen.btn_play->Click();
    test::MouseDown(*screen.shape2, {4, 8});
    EXPECT_TRUE(screen.Dragging());
    test::MouseMoveTo(*screen.shape2, {-300, 8});
    EXPECT_EQ(Knob(), 0);
    test::MouseMoveTo(*screen.shape2, {40, 8});
    EXPECT_EQ(Knob(), 40);
    test::MouseMoveTo(*screen.shape2, {400, 8});
    EXPECT_EQ(Knob(), 125);
    player.Seek(0);
    clock.Advance(ExerciseFrame::kKnobInterval); // the timer leaves a dragged knob alone
    EXPECT_EQ(Knob(), 125);
    test::MouseUp(*screen.shape2, {4, 8});
    EXPECT_FALSE(screen.Dragging());
    EXPECT_EQ(player.Position(), 125 * 80);
    EXPECT_EQ(player.FileName(), CourseFile("Teksty_wav/roz_kuchnia.wav"));
    EXPECT_TRUE(screen.Timer1.Enabled());
}

TEST_P(ExerciseFrameTest, HelpAndInstructionButtons) {
    Open();
    screen.btn_help->Click();
    EXPECT_EQ(player.stops, 1); // the help that was playing starts again
    EXPECT_EQ(player.plays,
              Played({"polecenia/rozumienie/help1.wav", "polecenia/rozumienie/help1.wav"}));
    TInformacjaForm& information = testRun.run.information;
    std::string shown;
    test::WhenIdle([&] {
        shown = information.HelpText;
        information.Close();
    });
    screen.btn_polecenie->Click();
    EXPECT_EQ(shown, "Instruction " + std::to_string(GetParam().code) + ".");
}

TEST_P(ExerciseFrameTest, LeavingWithoutCheckingRecordsNoPointsButMarksTheLessonDone) {
    Open();
    Leave();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(RecordedAsDone(0));
    EXPECT_EQ(sound.MediaTimer(), nullptr);
    EXPECT_TRUE(screen.shape1->isHidden());
    EXPECT_FALSE(screen.img_tlo->HasImage()); // released on closing
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_P(ExerciseFrameTest, AltF4DoesNotCloseTheScreen) {
    Open();
    test::ShowAndWait(screen);
    test::PressKey(screen, Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(screen.isVisible());
}

TEST_P(ExerciseFrameTest, ALessonBackgroundFromTheRow) {
    UseLesson({.background = "kuchnia.bmp"});
    Open();
    EXPECT_TRUE(screen.img_tlo->HasImage());
    UseLesson({.background = "missing.bmp"});
    screen.Close();
    Open();
    EXPECT_FALSE(screen.img_tlo->HasImage()); // nothing, and nothing reported
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_P(ExerciseFrameTest, FaultyRecordsAreRefusedAndTheScreenStaysClosed) {
    struct Case {
        test::Lesson lesson;
        std::string message;
    };
    const Case cases[] = {
        {{.head = "1#roz_kuchnia#help1.wav"},
         "St.t record 1: its first line needs at least four \"#\"."},
        {{.head = "2#roz_kuchnia#help1.wav#Listen.#"},
         "St.t record 1: the course has no such record."},
    };
    for (const Case& c : cases) {
        UseLesson(c.lesson);
        messages.Clear();
        Open();
        EXPECT_EQ(messages.Messages(), std::vector<std::string>{c.message});
        EXPECT_FALSE(screen.isVisible());
        EXPECT_TRUE(player.plays.empty());
    }
}

TEST_P(ExerciseFrameTest, ListeningSpeedIsTheLearnersAndF6OrARightClickOnPlayChangesIt) {
    const std::string file = session.CurrentUserFolder + "tempo.txt";
    ASSERT_FALSE(WriteFileAtomic(file, "85\r\n").has_value());
    Open();
    EXPECT_DOUBLE_EQ(player.tempo, 0.85);
    test::PressKey(screen, Qt::Key_F6);
    EXPECT_DOUBLE_EQ(player.tempo, 0.70);
    EXPECT_EQ(ReadFileBytes(file), "70\r\n");
    QTest::mousePress(screen.btn_play, Qt::RightButton);
    QTest::mouseRelease(screen.btn_play, Qt::RightButton);
    EXPECT_DOUBLE_EQ(player.tempo, 1.0);
    EXPECT_EQ(ReadFileBytes(file), "100\r\n");
    // A right click plays nothing; the play button's left click still does.
    EXPECT_EQ(player.plays.size(), 1U);
    test::PressKey(screen, Qt::Key_F6);
    Leave();
    // Away from the lessons everything speaks at normal speed again.
    EXPECT_DOUBLE_EQ(player.tempo, 1.0);
    EXPECT_EQ(ReadFileBytes(file), "85\r\n");
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_P(ExerciseFrameTest, DamagedSpeedFileSaysWhereAndPlaysAtNormalSpeed) {
    const std::string file = session.CurrentUserFolder + "tempo.txt";
    ASSERT_FALSE(WriteFileAtomic(file, "slow\r\n").has_value());
    Open();
    EXPECT_DOUBLE_EQ(player.tempo, 1.0);
    ASSERT_EQ(messages.Messages().size(), 1U);
    EXPECT_EQ(messages.Messages()[0],
              file + ":1: \"slow\" is not 100, 85 or 70; the speed is 100 %");
}

} // namespace
} // namespace lumora
