// The sentence screen on a course written by the test: each kind asked to
// its end through its buttons, pictures, fields and keys, with the points
// that reach the learner's file.
#include "course/lesson_state.h"
#include "elements/information_screen.h"
#include "elements/result_box.h"
#include "exercises/catalogue.h"
#include "exercises/sentences/sentence_screen.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "story_course.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace lumora {
namespace {

constexpr const char* kGapFrameLayout = "1,1*1,1*1,1*1,1*60,372*680,130";

// Four sentences of lesson "1" in topic kuchnia; the first has a two-word gap.
constexpr const char* kSentences[] = {
    "The cat is <on the> mat.",
    "She <drinks> tea.",
    "We <play> football.",
    "It is <cold>.",
};

class SentenceScreenTest : public test::StoryCourse {
  protected:
    SentenceScreenTest() { FixRandomSeed(7); }
    ~SentenceScreenTest() override { ReleaseRandomSeed(); }

    // Writes the sentences, their pictures and sounds, and starts the lesson
    // of that code as the topic screen does.
    void Open(int code, const std::string& layout = "",
              const std::vector<std::string>& sentences = {std::begin(kSentences),
                                                           std::end(kSentences)}) {
        std::string rows;
        for (int i = 1; i <= static_cast<int>(sentences.size()); ++i) {
            const std::string n = std::to_string(i);
            rows += "kuchnia=1=" + sentences[static_cast<std::size_t>(i - 1)] + "==Zdanie " + n +
                    "=p" + n + ".bmp=0=s" + n + ".wav=n" + n + ".wav=1=0=a" + n + ".bmp/b" + n +
                    ".bmp=0=Explanation " + n + "=Other " + n + "=\n";
            for (const std::string& picture : {"p" + n, "a" + n, "b" + n}) {
                WritePicture("obrazki/kuchnia/zd/" + picture + ".bmp");
            }
            for (const std::string& sound : {"s" + n, "n" + n}) {
                builder.Folder().WriteBytes("course/sample/kuchnia/zd/" + sound + ".wav", "RIFF");
            }
        }
        builder.Write("data.t", rows);
        UseLesson({.code = code, .layout = layout});
        BeginLesson(course, session.lesson, 1);
        screen.Load();
        test::ShowAndWait(screen);
    }

    void WritePicture(const std::string& relative) const {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(QColor(90, 120, 200));
        builder.Folder().MakeFolder("course/obrazki/kuchnia/zd");
        image.save(QString::fromStdString(builder.DataRoot() + relative), "BMP");
    }

    // Lets every queued sound play to its end; the files heard since the
    // last call, in order.
    std::vector<std::string> Heard() {
        for (int i = 0; i < 10 && player.Mode() == PlayerMode::Playing; ++i) {
            player.Finish();
        }
        std::vector<std::string> heard(player.plays.begin() + heardFrom_, player.plays.end());
        heardFrom_ = static_cast<std::ptrdiff_t>(player.plays.size());
        return heard;
    }

    const SentenceSeries& Series() const { return screen.Series(); }
    int Wrong() const { return Series().ExpectedAnswer() % Series().PictureFiles().size() + 1; }

    // Leaves through the result box, which closes itself.
    void AfterLast(const std::function<void()>& last) {
        test::WhenIdle([this] { clock.Advance(TWynik_Form::kCloseAfter); });
        last();
    }

    // The points the learner's file holds for lesson "1" of this code, or -1.
    int RecordedPoints(int code) const {
        const auto bytes = ReadFileBytes(builder.UserFolder() + kPointsFile);
        for (const PointsRow& row : DecodePointsFile(bytes.value_or(""), 10)) {
            if (row.Name == "1" && row.Number == code && row.Done) {
                return row.Points;
            }
        }
        return -1;
    }

    TForm2 screen{context};

  private:
    std::ptrdiff_t heardFrom_ = 0;
};

TEST_F(SentenceScreenTest, YesNoSeriesToTheEnd) {
    Open(1);
    ASSERT_TRUE(screen.isVisible());
    EXPECT_EQ(Series().SeriesLength(), 4);
    // The first sentence: the wrong button first, then the right one.
    EXPECT_FALSE(screen.K_tak->isHidden());
    EXPECT_FALSE(screen.K_nie->isHidden());
    EXPECT_TRUE(screen.K_ok->isHidden());
    EXPECT_EQ(screen.MImage[0]->geometry(), QRect(134, 68, 447, 261));
    EXPECT_EQ(screen.Frame[0]->geometry(), QRect(133, 67, 449, 263));
    EXPECT_TRUE(screen.MImage[0]->HasImage());
    EXPECT_TRUE(screen.MImage[1]->isHidden());
    const std::string sentence = Series().SentenceSound();
    EXPECT_EQ(Heard().back(), sentence);
    // A click on the picture answers "yes", like K_tak.
    const bool yes = Series().ExpectedAnswer() == 1;
    if (yes) {
        screen.K_nie->Click();
    } else {
        screen.MImage[0]->Click();
    }
    EXPECT_EQ(screen.l_tmp->Caption(), "Zle");
    EXPECT_EQ(player.FileName(), CourseFile("wav/No_1.wav"));
    if (yes) {
        screen.MImage[0]->Click();
    } else {
        screen.K_nie->Click();
    }
    EXPECT_EQ(screen.l_tmp->Caption(), "SUPER!!!!");
    EXPECT_EQ(screen.L_lektor->Caption(), "0"); // a second try earns nothing here
    EXPECT_TRUE(screen.K_tak->isHidden());
    EXPECT_FALSE(screen.K_ok->isHidden());
    EXPECT_EQ(screen.img_progress->width(), 38); // one of four done

    // Ctrl+W replays; Enter moves on.
    Heard();
    test::PressKey(screen, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(Heard(), std::vector<std::string>{sentence});
    test::PressKey(screen, Qt::Key_Return);
    EXPECT_EQ(Series().AskedCount(), 2);
    EXPECT_TRUE(screen.K_ok->isHidden());
    for (int n = 2; n <= 4; ++n) {
        (Series().ExpectedAnswer() == 1 ? screen.K_tak : screen.K_nie)->Click();
        EXPECT_EQ(screen.L_lektor->Caption(), std::to_string(10 * (n - 1)));
        if (n < 4) {
            screen.K_ok->Click();
        }
    }
    AfterLast([this] { screen.K_ok->Click(); });
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(screen.MImage[0]->HasImage()); // released with the screen
    EXPECT_EQ(RecordedPoints(1), 30);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(SentenceScreenTest, PictureChoiceHalvesTheSecondTryAndEndsAfterTwoWrongs) {
    Open(3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(screen.MImage[static_cast<std::size_t>(i)]->isHidden()) << i;
        EXPECT_TRUE(screen.MImage[static_cast<std::size_t>(i)]->HasImage()) << i;
    }
    EXPECT_TRUE(screen.MImage[3]->isHidden());
    EXPECT_EQ(screen.MImage[1]->geometry(), QRect(258, 84, 220, 220));
    EXPECT_EQ(screen.l_tmp->Caption(), "posłuchaj i wybierz zdjęcie!");
    // The first sentence: wrong, then right: 5.
    screen.MImage[static_cast<std::size_t>(Wrong() - 1)]->Click();
    EXPECT_EQ(Series().SentencePoints(), 5);
    screen.MImage[static_cast<std::size_t>(Series().ExpectedAnswer() - 1)]->Click();
    EXPECT_EQ(screen.L_lektor->Caption(), "5");
    screen.K_ok->Click();
    // The second: wrong twice ends it with nothing, and two failure sounds.
    screen.MImage[static_cast<std::size_t>(Wrong() - 1)]->Click();
    Heard();
    screen.MImage[static_cast<std::size_t>(Wrong() - 1)]->Click();
    EXPECT_EQ(screen.l_tmp->Caption(), "zle");
    EXPECT_FALSE(screen.K_ok->isHidden());
    EXPECT_EQ(Heard(),
              (std::vector<std::string>{CourseFile("wav/No_1.wav"), CourseFile("wav/No_1.wav")}));
    screen.MImage[static_cast<std::size_t>(Series().ExpectedAnswer() - 1)]->Click();
    EXPECT_EQ(screen.L_lektor->Caption(), "5"); // answered: clicks do nothing
    for (int n = 3; n <= 4; ++n) {
        test::PressKey(screen, Qt::Key_Enter);
        screen.MImage[static_cast<std::size_t>(Series().ExpectedAnswer() - 1)]->Click();
    }
    AfterLast([this] { test::PressKey(screen, Qt::Key_Return); });
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(RecordedPoints(3), 25);
    EXPECT_EQ(Series().CorrectCount(), 3);
    EXPECT_EQ(Series().WrongCount(), 3);
}

TEST_F(SentenceScreenTest, GapFillingChecksTheFieldsAndShowsTheSentence) {
    Open(9, kGapFrameLayout);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(screen.l_tmp->Caption(), "posłuchaj i wpisz brakujacy wyraz!");
    EXPECT_EQ(screen.DXRamka2->geometry(), QRect(60, 372, 680, 130));
    EXPECT_FALSE(screen.K_sprawdz->isHidden());
    EXPECT_TRUE(screen.K_ok->isHidden());
    EXPECT_TRUE(screen.E_Wpis[1]->isHidden()); // one gap a sentence
    EXPECT_TRUE(screen.E_Wpis[0]->hasFocus());
    int points = 0;
    bool twoWordGapSeen = false;
    for (int n = 1; n <= 4; ++n) {
        const GapField& gap = screen.Gaps().fields[0];
        EXPECT_EQ(screen.E_Wpis[0]->geometry(),
                  QRect(60 + gap.x, 372 + gap.y, kGapFieldWidth, screen.E_Wpis[0]->height()));
        const std::string answer = gap.answer;
        if (answer == "on the") {
            twoWordGapSeen = true;
            // The words after the gap follow its field.
            EXPECT_EQ(screen.Gaps().words.at(3).x, gap.x + kGapFieldWidth + kAfterGap);
            screen.E_Wpis[0]->SetText("On the"); // letter case counts
            test::PressKey(screen, Qt::Key_Return);
            EXPECT_EQ(screen.l_tmp->Caption(), "Zle");
            EXPECT_EQ(screen.E_Wpis[0]->Text(), ""); // emptied for the second try
            screen.E_Wpis[0]->SetText("  on the ");
            points += 5;
        } else {
            screen.E_Wpis[0]->SetText(answer);
            points += 10;
        }
        test::PressKey(screen, Qt::Key_Return);
        EXPECT_EQ(screen.l_tmp->Caption(), "SUPER!!!!");
        EXPECT_EQ(screen.L_lektor->Caption(), std::to_string(points));
        EXPECT_TRUE(screen.DXRamka2->isHidden());
        EXPECT_TRUE(screen.E_Wpis[0]->isHidden());
        EXPECT_FALSE(screen.Tekst_zdania->isHidden());
        EXPECT_EQ(screen.Tekst_zdania->Caption(), Series().Solution());
        EXPECT_FALSE(screen.K_slowniczek->isHidden());
        if (n < 4) {
            test::PressKey(screen, Qt::Key_Return);
            EXPECT_FALSE(screen.E_Wpis[0]->isHidden());
        }
    }
    EXPECT_TRUE(twoWordGapSeen);
    // Neither the explanation nor the instruction button lights up.
    for (TTransparentButton* button : {screen.K_slowniczek, screen.btn_polecenie}) {
        test::MouseMoveTo(screen, {10, 10}); // from outside it
        test::MouseMoveTo(*button, {5, 5});
        EXPECT_EQ(button->FrameToDraw(), std::optional<int>(0));
    }
    // The explanation of the last sentence, on the information screen.
    TInformacjaForm& information = testRun.run.information;
    std::string shown;
    test::WhenIdle([&] {
        shown = information.HelpText;
        information.Close();
    });
    screen.K_slowniczek->Click();
    EXPECT_EQ(shown, Series().ExplanationText());
    EXPECT_EQ(shown.rfind("Explanation ", 0), 0u);

    AfterLast([this] { screen.K_ok->Click(); });
    EXPECT_EQ(RecordedPoints(9), 35);
}

TEST_F(SentenceScreenTest, ASentenceWithTooManyGapsIsNamedAndShownWithThreeFields) {
    Open(9, kGapFrameLayout, {"<a> <b> <c> <d> e"});
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0],
              "Zdanie „<a> <b> <c> <d> e” lekcji „1” jest błędne: więcej niż trzy luki; wyrazy "
              "dalszych luk są pokazane jako tekst.");
    EXPECT_EQ(messages.Details()[0], "data.t, line 1");
    for (EditBox* field : screen.E_Wpis) {
        EXPECT_FALSE(field->isHidden());
    }
    EXPECT_EQ(screen.Gaps().words.size(), 2u); // "d" and "e" as text
    screen.E_Wpis[0]->SetText("a");
    screen.E_Wpis[1]->SetText("b");
    screen.E_Wpis[2]->SetText("c");
    screen.K_sprawdz->Click();
    EXPECT_EQ(screen.L_lektor->Caption(), "10");
}

TEST_F(SentenceScreenTest, KeysTypedWithCtrlDoNotReachTheFields) {
    Open(9, kGapFrameLayout);
    QGuiApplication::clipboard()->setText("zz");
    screen.E_Wpis[0]->setFocus();
    test::PressKey(*screen.E_Wpis[0], Qt::Key_A);
    test::PressKey(*screen.E_Wpis[0], Qt::Key_V, Qt::ControlModifier);
    test::PressKey(*screen.E_Wpis[0], Qt::Key_B);
    EXPECT_EQ(screen.E_Wpis[0]->Text(), "ab");
}

TEST_F(SentenceScreenTest, ALessonWithoutSentencesIsRefusedByName) {
    UseLesson({.code = 2});
    BeginLesson(course, session.lesson, 1);
    screen.Load();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(messages.Messages(),
              std::vector<std::string>{"Lekcja „1” nie ma zdań w pliku data.t."});
}

TEST_F(SentenceScreenTest, LayoutPairsPutPicturesAtTheirOwnSize) {
    Open(2, "90,70*410,70*1,1*1,1*60,372*680,130");
    EXPECT_EQ(screen.MImage[0]->geometry(), QRect(90, 70, 40, 30));
    EXPECT_EQ(screen.MImage[1]->geometry(), QRect(410, 70, 40, 30));
    EXPECT_EQ(screen.Frame[1]->geometry(), QRect(409, 69, 42, 32));
}

} // namespace
} // namespace lumora
