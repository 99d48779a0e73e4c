// The presentation screen in its three modes on a course of word rows: the
// page and its arrows, hearing, recording and comparing a word, play-all,
// printing, and both drills done to their result with the points saved.
#include "course/lesson_state.h"
#include "elements/result_box.h"
#include "exercises/presentation/presentation_screen.h"
#include "exercises/presentation/presentation_words.h"
#include "htmlview/html_print.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "sound/recording.h"
#include "story_course.h"

#include <QImage>

namespace lumora {
namespace {

class PresentationTest : public test::StoryCourse {
  protected:
    PresentationTest() {
        FixRandomSeed(3);
        SetPrintDestination(PrintDestination{false, builder.Folder() / "docs"});
        builder.Folder().MakeFolder("docs");
    }
    ~PresentationTest() override {
        SetPrintDestination(std::nullopt);
        ReleaseRandomSeed();
    }

    // A vocabulary lesson of `words` words w1, w2 ... with pictures and
    // sounds, started in mode `code` as the topic screen starts it.
    void UseWords(int words, int code, const std::string& background = "",
                  const std::string& layout = "") {
        std::string data;
        for (int n = 1; n <= words; ++n) {
            const std::string w = "w" + std::to_string(n);
            data += "kuchnia=kuchnia_slowka=" + w + "==s" + std::to_string(n) + "=" + w +
                    ".png=0=" + w + ".wav==30=0==0===\n";
            builder.Folder().WriteBytes("course/sample/kuchnia/sl/" + w + ".wav", "RIFF");
            QImage picture(40, 50, QImage::Format_RGB32);
            picture.fill(QColor(90, 20 * (n % 10), 200));
            builder.Folder().MakeFolder("course/obrazki/kuchnia/sl");
            picture.save(
                QString::fromStdString(builder.DataRoot() + "obrazki/kuchnia/sl/" + w + ".png"));
        }
        builder.Write("data.t", data);
        builder.Write("Steruj.t",
                      "kuchnia=kuchnia_slowka=30=" + background + "=Words=x=" + layout + "=11=\n");
        builder.Write("St.t", "1#roz#h.wav#t#x#\n35#A?=T_b#\nnote\n");
        for (int c = 30; c <= 32; ++c) {
            builder.Folder().WriteBytes("course/Polecenia/" + std::to_string(c) + ".wav", "RIFF");
        }
        course = builder.Load();
        session.lesson.CurrentTopic = "kuchnia";
        session.CurrentUserFolder = builder.UserFolder();
        course.UserDataFolder = builder.UserFolder();
        course.TextTable[1] = "Punkty: ";
        session.points.InitPointsFromSteering(course);
        BeginLesson(course, session.lesson, code - 29); // rows 1, 2, 3 are codes 30, 31, 32
        screen.Load();
    }
    std::string Word(int n) const {
        return CourseFile("sample/kuchnia/sl/w" + std::to_string(n) + ".wav");
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const Label* label : screen.lbl) {
            if (label->isVisible()) {
                captions.push_back(label->Caption());
            }
        }
        return captions;
    }
    std::vector<std::string> Words(int from, int to) const {
        std::vector<std::string> words;
        for (int n = from; n <= to; ++n) {
            words.push_back("w" + std::to_string(n));
        }
        return words;
    }
    // Leaves through the result box: by its timer, or with Esc. The box is
    // answered once it shows, however many events the action handles first.
    std::string FinishVia(const std::function<void()>& action, bool escape = false) {
        std::string caption;
        std::function<void()> answer = [&] {
            if (!result.isVisible()) {
                test::WhenIdle(answer);
                return;
            }
            caption = result.Label1->Caption();
            if (escape) {
                test::PressKey(result, Qt::Key_Escape);
            } else {
                clock.Advance(TWynik_Form::kCloseAfter);
            }
        };
        test::WhenIdle(answer);
        action();
        return caption.substr(0, caption.find('\r'));
    }
    // Whether pkt.txt holds the current lesson, done, with these points.
    ::testing::AssertionResult SavedAsDone(int points) const {
        const auto bytes = ReadFileBytes(builder.UserFolder() + kPointsFile);
        for (const PointsRow& row :
             bytes ? DecodePointsFile(*bytes, 10) : std::vector<PointsRow>{}) {
            if (row.Name == session.lesson.CurrentContent &&
                row.Number == session.lesson.CurrentCode) {
                if (row.Points == points && row.Done) {
                    return ::testing::AssertionSuccess();
                }
                return ::testing::AssertionFailure() << row.Points << " points, done " << row.Done;
            }
        }
        return ::testing::AssertionFailure() << "no record of the lesson";
    }
    // The English word at a page position.
    std::string EnglishAt(int position) const {
        const int row = screen.WordOrder().at(static_cast<std::size_t>(position - 1));
        return course.DataTable.at(static_cast<std::size_t>(row - 1)).EnglishText;
    }
    void Type(const std::string& text) {
        screen.ed_wpis->SetText(text);
        test::PressKey(screen, Qt::Key_Return);
    }

    test::FakeRecorder& device = testRun.recorder;
    // The message screen and the question are the test's; every question is
    // answered yes.
    test::AnsweringDialogs dialogs{testRun.run.result, testRun.run.information};
    std::vector<std::string>& screenMessages = dialogs.messages;
    std::vector<std::string>& questions = dialogs.questions;
    RunContext answering{course, session, sound, testRun.recording, dialogs};
    TPrezentacjaForm screen{answering};
    TWynik_Form& result = testRun.run.result;
};

TEST_F(PresentationTest, TwelveWordsAppearOneByOneAndTheArrowsMoveByFour) {
    UseWords(12, 30);
    ASSERT_TRUE(screen.isVisible());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(Captions(), Words(1, 1)); // the rest follow every 100 ms
    clock.Advance(7 * TPrezentacjaForm::kRevealStep);
    EXPECT_EQ(Captions(), Words(1, 8));
    EXPECT_EQ(screen.lbl[2]->toolTip().toStdString(), "s3");
    // The instruction waits for the last picture's 100 ms.
    EXPECT_TRUE(player.plays.empty());
    clock.Advance(TPrezentacjaForm::kRevealStep);
    EXPECT_EQ(player.plays, std::vector<std::string>{CourseFile("Polecenia/30.wav")});
    EXPECT_TRUE(screen.btn_dn->isVisible());
    EXPECT_FALSE(screen.btn_up->isVisible());
    EXPECT_TRUE(screen.btn_play_all->isVisible());
    EXPECT_TRUE(screen.btn_drukuj->isVisible());
    EXPECT_FALSE(screen.btn_Odtworz->isVisible());

    screen.btn_dn->Click();
    EXPECT_EQ(Captions(), Words(5, 12));
    EXPECT_FALSE(screen.btn_dn->isVisible());
    EXPECT_TRUE(screen.btn_up->isVisible());
    screen.btn_up->Click();
    EXPECT_EQ(Captions(), Words(1, 8));
    EXPECT_TRUE(screen.btn_dn->isVisible());
    EXPECT_FALSE(screen.btn_up->isVisible());

    screen.btn_exit->Click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(SavedAsDone(0));
}

// A background of its own size and colour, to tell which one is shown.
void WriteBackground(const test::CourseBuilder& builder, const std::string& name, int height) {
    QImage picture(800, height, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, height % 256));
    builder.Folder().MakeFolder("course/tla");
    picture.save(QString::fromStdString(builder.DataRoot() + "tla/" + name));
}

TEST_F(PresentationTest, BackgroundsSplitIntoBandsOrTakeTheChoicesOwn) {
    WriteBackground(builder, "kuchnia_up.bmp", 42);
    WriteBackground(builder, "kuchnia_dn.bmp", 92);
    WriteBackground(builder, "kuchnia_mc.bmp", 600);
    // The named picture is missing, its two bands exist: a white screen
    // between a band on top and one at the bottom.
    UseWords(9, 30, "kuchnia.bmp");
    EXPECT_EQ(screen.img_tlo->geometry(), QRect(0, 0, 800, 42));
    EXPECT_EQ(screen.img_tlo->Image().height(), 42);
    EXPECT_TRUE(screen.img_tlo_dn->isVisible());
    EXPECT_EQ(screen.img_tlo_dn->Image().height(), 92);
    screen.btn_exit->Click();
    // The choice takes its "_mc" picture over the whole screen, and places
    // its four pictures by the lesson's layout pairs.
    UseWords(9, 31, "kuchnia.bmp", "10,60*200,60*390,60*580,300");
    EXPECT_EQ(screen.img_tlo->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(screen.img_tlo->Image().height(), 600);
    EXPECT_FALSE(screen.img_tlo_dn->isVisible());
    EXPECT_EQ(screen.img[3]->pos(), QPoint(580, 300));
    EXPECT_EQ(screen.img[4]->pos(), QPoint(30, 280)); // beyond the pairs: the grid
}

TEST_F(PresentationTest, AWordIsHeardRecordedAndComparedWithTheModel) {
    UseWords(6, 30);
    clock.Advance(5 * TPrezentacjaForm::kRevealStep);
    test::MouseClick(*screen.img[2], {20, 20});
    EXPECT_EQ(player.plays.back(), Word(3));
    EXPECT_TRUE(screen.btn_mikrofonik->isVisible());
    EXPECT_EQ(screen.lbl_nagr->Caption(), "w3");
    EXPECT_EQ(screen.lbl_nagr2->Caption(), "w3");
    EXPECT_FALSE(screen.btn_glosniczek->isVisible());

    // Too short: the message, nothing played.
    player.length = 200;
    const std::size_t before = player.plays.size();
    test::MouseDown(*screen.btn_mikrofonik, {5, 5});
    test::MouseUp(*screen.btn_mikrofonik, {5, 5});
    EXPECT_EQ(screenMessages, std::vector<std::string>{"text 6"});
    EXPECT_FALSE(screen.Recorded());
    EXPECT_EQ(player.plays.size(), before);

    // Long enough: the learner's voice, then the model. The button stays in
    // sight while held.
    player.length = 3000;
    test::MouseMoveTo(*screen.btn_mikrofonik, {5, 5});
    test::MouseDown(*screen.btn_mikrofonik, {5, 5});
    EXPECT_EQ(screen.btn_mikrofonik->FrameToDraw(), std::optional<int>(1));
    test::MouseUp(*screen.btn_mikrofonik, {5, 5});
    EXPECT_EQ(device.saves, 2);
    EXPECT_TRUE(screen.Recorded());
    EXPECT_TRUE(screen.btn_glosniczek->isVisible());
    EXPECT_EQ(player.plays.back(), course.UserPath("tmp1.wav"));
    FinishPlay();
    EXPECT_EQ(player.plays.back(), Word(3));
    EXPECT_EQ(screenMessages.size(), 1u);
    test::MouseMoveTo(*screen.btn_glosniczek, {5, 5});
    EXPECT_EQ(screen.btn_glosniczek->FrameToDraw(), std::optional<int>(0)); // never lit
}

TEST_F(PresentationTest, WithoutAMicrophoneOneMessageSaysSo) {
    UseWords(6, 30);
    screen.LabelClick(1);
    device.failing = true;
    test::MouseDown(*screen.btn_mikrofonik, {5, 5});
    test::MouseUp(*screen.btn_mikrofonik, {5, 5});
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"No capture device. Open"});
    EXPECT_TRUE(screenMessages.empty());
    EXPECT_EQ(device.saves, 0);
}

TEST_F(PresentationTest, PlayAllScrollsWhenTheNinthWordStartsAndEndsAfterTheLast) {
    UseWords(12, 30);
    screen.btn_play_allClick();
    EXPECT_EQ(screen.Page().FirstShown(), 1);
    EXPECT_EQ(sound.PlayTag(), "Slowka");
    std::vector<std::string> heard{player.plays.back()};
    for (int n = 2; n <= 12; ++n) {
        FinishPlay();
        heard.push_back(player.plays.back());
        EXPECT_EQ(screen.Page().FirstShown(), n < 9 ? 1 : 5) << n;
    }
    std::vector<std::string> expected;
    for (int n = 1; n <= 12; ++n) {
        expected.push_back(Word(n));
    }
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(Captions(), Words(5, 12));
    FinishPlay();
    EXPECT_EQ(sound.PlayTag(), "");
    EXPECT_EQ(player.plays.size(), 13u);

    // A click on the background ends a run.
    screen.btn_play_allClick();
    screen.img_tloClick();
    EXPECT_EQ(sound.PlayTag(), "");
}

// The run waits a moment before its first word; a learner who leaves the
// lesson meanwhile (and opens another topic) hears nothing more from it and
// gets no messages about pictures of a topic that is not the lesson's.
TEST_F(PresentationTest, PlayAllLeftDuringItsFirstPauseStaysSilent) {
    UseWords(12, 30);
    const std::size_t plays = player.plays.size();
    messages.Clear();
    test::WhenIdle([&] {
        screen.Close();
        session.lesson.CurrentTopic = "liczby";
    });
    screen.btn_play_allClick();
    EXPECT_EQ(player.plays.size(), plays);
    EXPECT_EQ(sound.PlayTag(), "");
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(PresentationTest, PrintingWithoutAPrinterWritesThePdfAndSaysWhere) {
    UseWords(7, 30);
    screen.btn_drukuj->Click();
    EXPECT_EQ(questions, std::vector<std::string>{"text 7"});
    const std::string pdf = builder.Folder() / "docs/kuchnia.pdf";
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(pdf), std::string::npos);
    const auto bytes = ReadFileBytes(pdf);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->starts_with("%PDF"));
}

TEST_F(PresentationTest, AMissingPictureIsNamedOncePerSlot) {
    UseWords(3, 30);
    builder.Remove("obrazki/kuchnia/sl/w2.png");
    screen.Close();
    screen.Load();
    EXPECT_EQ(messages.Messages(),
              std::vector<std::string>{std::string(kMissingPictureMessage) +
                                       CourseFile("obrazki/kuchnia/sl/w2.png")});
}

TEST_F(PresentationTest, ChoiceOfSevenWordsToTheEndWithOneSecondTry) {
    UseWords(7, 31);
    ASSERT_TRUE(screen.isVisible());
    EXPECT_TRUE(screen.btn_Odtworz->isVisible());
    EXPECT_FALSE(screen.btn_play_all->isVisible());
    EXPECT_FALSE(screen.btn_drukuj->isVisible());
    EXPECT_EQ(screen.lbl_all_pkt->Caption(), "Punkty:  0");
    EXPECT_EQ(screen.Choice().QuestionCount(), 7);
    // After the four pictures, the instruction, then the first word asked.
    clock.Advance(4 * TPrezentacjaForm::kRevealStep);
    const std::string first =
        course.DataTable.at(static_cast<std::size_t>(screen.Choice().Target() - 1)).EnglishText;
    EXPECT_EQ(sound.SoundQueue(2), CourseFile("sample/kuchnia/sl/" + first + ".wav"));
    int clicks = 0;
    bool missed = false;
    std::string caption;
    while (!screen.Choice().Finished() && clicks < 20) {
        const int right = screen.Choice().CorrectSlot();
        const int slot = !missed && screen.Choice().CurrentQuestion() == 3 ? right % 4 + 1 : right;
        missed = missed || slot != right;
        ++clicks;
        if (screen.Choice().SolvedCount() == 6 && slot == right) {
            caption = FinishVia(
                [&] {
                    test::MouseClick(*screen.img[static_cast<std::size_t>(slot - 1)], {10, 10});
                },
                true);
        } else {
            test::MouseClick(*screen.img[static_cast<std::size_t>(slot - 1)], {10, 10});
            EXPECT_EQ(Captions().size(), 0u); // the choice shows no words
        }
    }
    EXPECT_EQ(clicks, 8);
    EXPECT_EQ(screen.Choice().QuestionPoints(3), 5);
    EXPECT_EQ(screen.Choice().Points(), 65);
    EXPECT_EQ(screen.lbl_all_pkt->Caption(), "Punkty: 65");
    EXPECT_EQ(screen.img_progress->width(), 150);
    EXPECT_EQ(caption.find("65") != std::string::npos, true) << caption;
    EXPECT_TRUE(screen.isVisible()); // Esc on the result box keeps the screen
    EXPECT_TRUE(SavedAsDone(65));
    EXPECT_EQ(std::count(side.plays.begin(), side.plays.end(), CourseFile("wav/No_1.wav")), 0);
    EXPECT_NE(std::find(player.plays.begin(), player.plays.end(), CourseFile("wav/No_1.wav")),
              player.plays.end());
}

TEST_F(PresentationTest, ChoiceWithFewerThanFourWordsDoesNotOpen) {
    UseWords(3, 31);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(messages.Messages(),
              std::vector<std::string>{"Lesson \"Wybór (MC)\" (kuchnia_slowka, code 31): the "
                                       "picture choice needs at least 4 words, it has 3."});
}

TEST_F(PresentationTest, TypingEightFirstTryAnswersGivesEighty) {
    UseWords(12, 32);
    clock.Advance(8 * TPrezentacjaForm::kRevealStep); // the pictures, then the entry
    ASSERT_TRUE(screen.isVisible());
    EXPECT_FALSE(screen.btn_drukuj->isVisible());
    EXPECT_TRUE(screen.ed_wpis->isVisible());
    EXPECT_EQ(screen.ed_wpis->pos(), screen.zapyt[0]->pos());
    screen.ed_wpis->SetText("x");
    test::PressKey(screen, Qt::Key_Tab); // on to the second word without answering
    EXPECT_EQ(screen.ed_wpis->pos(), screen.zapyt[1]->pos());
    for (int n = 2; n <= 8; ++n) {
        test::PressKey(screen, Qt::Key_Tab); // from the eighth back to the first
    }
    EXPECT_EQ(screen.ed_wpis->pos(), screen.zapyt[0]->pos());
    EXPECT_EQ(screen.Typing().Wrong(), 0);
    std::string caption;
    for (int p = 1; p <= 8; ++p) {
        const std::string word = EnglishAt(p);
        if (p == 8) {
            caption = FinishVia([&] { Type("  " + word + " "); });
        } else {
            Type("  " + word + " ");
            EXPECT_TRUE(screen.lbl[static_cast<std::size_t>(p - 1)]->isVisible());
            EXPECT_FALSE(screen.zapyt[static_cast<std::size_t>(p - 1)]->isVisible());
            EXPECT_EQ(screen.ed_wpis->pos(), screen.zapyt[static_cast<std::size_t>(p)]->pos());
        }
    }
    EXPECT_EQ(caption, "text 15 80");
    const LessonScore expected{80, 8, 0, 8, 8};
    EXPECT_EQ(screen.Typing().Points(), expected.points);
    EXPECT_EQ(screen.Typing().Right(), expected.right);
    EXPECT_EQ(screen.Typing().Wrong(), expected.wrong);
    EXPECT_EQ(screen.Typing().Count(), expected.items);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(SavedAsDone(80));
}

TEST_F(PresentationTest, TypingCountsLetterCaseAndEmptiesAWrongEntry) {
    UseWords(8, 32);
    clock.Advance(8 * TPrezentacjaForm::kRevealStep); // the pictures, then the entry
    Type(" W" + EnglishAt(1).substr(1));
    EXPECT_EQ(screen.Typing().Wrong(), 1);
    EXPECT_EQ(screen.ed_wpis->Text(), "");
    EXPECT_EQ(player.plays.back(), CourseFile("wav/No_1.wav"));
    Type(EnglishAt(1) + "s\t");
    EXPECT_EQ(screen.Typing().Wrong(), 2);
    Type(EnglishAt(1));
    EXPECT_TRUE(screen.Typing().Solved(1));
    EXPECT_EQ(screen.Typing().Points(), 3);
    EXPECT_EQ(sound.SoundQueue(2), CourseFile("wav/Ok_1.wav"));
}

TEST_F(PresentationTest, TypingFewerThanEightWordsEndsWhenAllAreSolved) {
    UseWords(5, 32);
    clock.Advance(8 * TPrezentacjaForm::kRevealStep); // the pictures, then the entry
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{kTooFewToTypeMessage});
    ASSERT_EQ(screen.Typing().Count(), 5);
    for (int p = 1; p <= 5; ++p) {
        const std::string word = EnglishAt(p);
        if (p == 5) {
            FinishVia([&] { Type(word); });
        } else {
            Type(word);
        }
    }
    EXPECT_EQ(screen.Typing().Points(), 50);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(SavedAsDone(50));
}

} // namespace
} // namespace lumora
