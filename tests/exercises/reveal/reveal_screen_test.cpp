// The reveal game screen: answering with Enter, the pauses with what they
// show, three misses, Alt+W, the uncovered picture with its description, the
// points, and a topic with too few words.
#include "course/lesson_kinds.h"
#include "elements/result_box.h"
#include "exercises/reveal/reveal_screen.h"
#include "platform/random.h"
#include "platform/ui/screen_pause.h"
#include "story_course.h"

#include <QImage>

namespace lumora {
namespace {

class RevealScreenTest : public test::StoryCourse {
  protected:
    RevealScreenTest() {
        WriteWords(16);
        builder.Folder().WriteBytes("course/Polecenia/41.wav", "RIFF");
        builder.Write("odkrywanki/idx.t", "kot.png=A cat on a mat.\n");
        QImage picture(600, 400, QImage::Format_RGB32);
        picture.fill(QColor(200, 120, 60));
        builder.Folder().MakeFolder("course/odkrywanki");
        picture.save(QString::fromStdString(builder.DataRoot() + "odkrywanki/kot.png"));
        UseLesson({.code = kRevealCode, .body = "41#"});
        FixRandomSeed(9);
        previousPause_ = SetPauseScreensHook([this](int ms) {
            pauses.push_back(ms);
            if (duringPause) {
                duringPause();
            }
        });
    }
    ~RevealScreenTest() override {
        SetPauseScreensHook(previousPause_);
        ReleaseRandomSeed();
    }

    void WriteWords(int count) {
        std::string data;
        for (int i = 1; i <= count; ++i) {
            const std::string n = std::to_string(i);
            data += "kuchnia=k_1=word" + n + "==słowo" + n + "=p.bmp=0=s" + n + ".wav==30=\n";
            builder.Folder().WriteBytes("course/sample/kuchnia/sl/s" + n + ".wav", "RIFF");
        }
        builder.Write("data.t", data);
    }
    void Open() {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
    }
    const RevealGame& Game() { return *screen.Game(); }
    const RevealWord& Current() { return Game().Word(Game().Position()); }
    void Answer(const std::string& text) {
        screen.Edit1->SetText(text);
        test::PressKey(screen, Qt::Key_Return);
    }
    std::string Sound(const RevealWord& word) { return CourseFile(word.sound); }
    int VisibleTiles() {
        return static_cast<int>(std::count_if(screen.img.begin(), screen.img.end(),
                                              [](const Picture* t) { return t->isVisible(); }));
    }

    std::vector<int> pauses;
    std::function<void()> duringPause;
    TWynik_Form& result = testRun.run.result;
    TOdkrywanieForm screen{context};

  private:
    std::function<void(int)> previousPause_;
};

TEST_F(RevealScreenTest, PlayedToTheDescriptionWithTheWorthOfEachWord) {
    Open();
    ASSERT_FALSE(player.plays.empty());
    EXPECT_EQ(player.plays.back(), CourseFile("Polecenia/41.wav"));
    EXPECT_EQ(sound.SoundQueue(2), Sound(Game().Word(1))); // behind the instruction
    EXPECT_EQ(VisibleTiles(), 16);
    EXPECT_TRUE(screen.Image1->HasImage());

    // A miss, then the right word with blanks around it.
    Answer("nothing");
    EXPECT_TRUE(screen.Edit1->Text().empty());
    EXPECT_EQ(Game().Tries(), 1);
    const RevealWord first = Current();
    duringPause = [&] {
        EXPECT_EQ(screen.lbl_tlumacz->Caption(), first.polish);
        EXPECT_TRUE(screen.Edit1->isVisible());
        EXPECT_EQ(VisibleTiles(), 15);
    };
    Answer("  " + first.english + " ");
    EXPECT_EQ(pauses, std::vector<int>{1500});
    EXPECT_EQ(Game().Position(), 2);
    EXPECT_EQ(player.plays.back(), Sound(Current())); // the next word at once
    EXPECT_TRUE(screen.lbl_tlumacz->Caption().empty());
    for (int t = 1; t <= kRevealTiles; ++t) {
        EXPECT_EQ(screen.img.at(static_cast<std::size_t>(t - 1))->isVisible(),
                  Game().TileWord(t) != 1)
            << t;
        // A screen reader hears which tiles the word lifted.
        EXPECT_EQ(screen.Tiles().ItemName(t - 1),
                  Game().TileWord(t) == 1 ? "Pole " + std::to_string(t) + ": odkryte, " +
                                                first.english + " – " + first.polish
                                          : "Pole " + std::to_string(t) + ": zakryte");
    }

    // Alt+W repeats the word and types nothing; letter case counts.
    screen.Edit1->SetText("");
    player.plays.clear();
    test::PressKey(screen, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(player.plays, std::vector<std::string>{Sound(Current())});
    EXPECT_TRUE(screen.Edit1->Text().empty());

    // Three misses show the word and move on; it comes back later.
    const RevealWord second = Current();
    duringPause = [&] {
        EXPECT_EQ(screen.lbl_tlumacz->Caption(), second.english);
        EXPECT_FALSE(screen.Edit1->isVisible());
    };
    Answer(second.english + "S");
    Answer("");
    Answer(std::string(1, static_cast<char>(second.english[0] - 'a' + 'A')) +
           second.english.substr(1));
    EXPECT_EQ(Game().Position(), 3);
    EXPECT_TRUE(screen.Edit1->isVisible());
    EXPECT_EQ(Game().Word(2).worth, 0);

    duringPause = nullptr;
    while (Game().State() != RevealGame::Phase::Finished) {
        Answer(Current().english);
    }
    EXPECT_EQ(pauses.back(), 1000);
    EXPECT_EQ(VisibleTiles(), 0);
    EXPECT_EQ(screen.lbl_opis->Caption(), "A cat on a mat.");
    EXPECT_TRUE(screen.lbl_opis->isVisible());
    EXPECT_FALSE(screen.lbl_tlumacz->isVisible());
    EXPECT_FALSE(screen.Edit1->isVisible());
    EXPECT_FALSE(screen.btn_powtorz->isVisible());
    EXPECT_FALSE(screen.btn_nastepne->isVisible());

    // Esc on the result box keeps the game open; leaving it closes the game.
    test::WhenIdle([this] { test::PressKey(result, Qt::Key_Escape); });
    screen.btn_exit->Click();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(RecordedAsDone(4 + 0 + 12 * 6));
    test::WhenIdle([this] { test::PressKey(result, Qt::Key_Return); });
    screen.btn_exit->Click();
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(RevealScreenTest, NextGoesOnToTheWordsNotYetFound) {
    Open();
    for (int w = 1; w < kRevealWords; ++w) {
        screen.btn_nastepne->Click();
    }
    EXPECT_EQ(Game().Position(), 14);
    EXPECT_EQ(player.plays.back(), Sound(Current()));
    Answer(Current().english);
    Answer(Current().english); // word 1, wrapped round
    screen.btn_nastepne->Click();
    EXPECT_EQ(Game().Position(), 3);
}

TEST_F(RevealScreenTest, ClosingDuringAPauseIsSafe) {
    Open();
    duringPause = [this] { screen.Close(); };
    Answer(Current().english);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(Game().RightCount(), 1);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(RevealScreenTest, TooFewWordsShowTheMessageAndTheGameStaysClosed) {
    WriteWords(13);
    UseLesson({.code = kRevealCode, .body = "41#"});
    EXPECT_FALSE(screen.Load());
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(messages.Messages(),
              std::vector<std::string>{"Uwaga! mamy mniej sampli, niz chcemy losowac!!!"});
    EXPECT_TRUE(player.plays.empty());
}

} // namespace
} // namespace lumora
