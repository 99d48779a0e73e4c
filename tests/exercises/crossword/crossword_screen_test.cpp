// The crossword screen: opening a topic's crossword, typing with the keys,
// moving between rows, finishing with the result box and the points, and
// refusing a crossword whose files are missing.
#include "course/lesson_kinds.h"
#include "elements/result_box.h"
#include "exercises/crossword/crossword_screen.h"
#include "platform/random.h"
#include "platform/ui/recording_canvas.h"
#include "story_course.h"

#include <QImage>

namespace lumora {
namespace {

class CrosswordScreenTest : public test::StoryCourse {
  protected:
    CrosswordScreenTest() {
        FixRandomSeed(4);
        UseLesson({.code = kCrosswordCode, .body = "42#"});
        WriteList({"bird", "horse", "monkey"});
        builder.Folder().WriteBytes("course/Polecenia/42.wav", "RIFF");
    }
    ~CrosswordScreenTest() override { ReleaseRandomSeed(); }

    void WriteList(const std::vector<std::string>& words) {
        std::string text;
        for (const auto& w : words) {
            text += w + ".png=" + w + "\n";
            QImage picture(101, 120, QImage::Format_RGB32);
            picture.fill(QColor(90, 160, 90));
            builder.Folder().MakeFolder("course/krzyzowka/kuchnia");
            picture.save(
                QString::fromStdString(builder.DataRoot() + "krzyzowka/kuchnia/" + w + ".png"));
        }
        builder.Write("krzyzowka/kuchnia/slowka.txt", text);
    }
    void Open() {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
    }
    const Crossword& Game() { return *screen.Game(); }
    void Type(const std::string& letters) {
        for (char ch : letters) {
            test::PressKey(screen, Qt::Key_A + (ch - 'a'));
        }
    }
    // The letters row k paints, as drawn.
    std::vector<DrawnText> Painted(int k) {
        PaintBox& row = *screen.kr.at(static_cast<std::size_t>(k - 1));
        RecordingCanvas canvas(row.width(), row.height());
        row.PaintTo(canvas);
        return canvas.Texts;
    }
    QPoint EditPlace() { return screen.Edit1->pos(); }
    // Once the result box shows, presses that key on it.
    void PressOnResultBox(int key) {
        test::WhenIdle([this, key] {
            if (result.isVisible()) {
                test::PressKey(result, key);
            } else {
                PressOnResultBox(key);
            }
        });
    }

    TWynik_Form& result = testRun.run.result;
    TKrzyzowkaForm screen{context};
};

TEST_F(CrosswordScreenTest, OpensWithAPictureAndARowPerWord) {
    Open();
    ASSERT_EQ(Game().RowCount(), 3);
    for (int k = 1; k <= TKrzyzowkaForm::kFrames; ++k) {
        const Picture& picture = *screen.img.at(static_cast<std::size_t>(k - 1));
        const PaintBox& row = *screen.kr.at(static_cast<std::size_t>(k - 1));
        EXPECT_EQ(row.isVisible(), k <= 3) << k;
        EXPECT_EQ(picture.isVisible(), k <= 3) << k;
        if (k <= 3) {
            const CrosswordRow& r = Game().Row(k);
            EXPECT_EQ(row.geometry(), QRect(r.squares.left, r.squares.top, r.squares.width, 22));
            EXPECT_EQ(picture.geometry(), QRect(r.pictureLeft, r.pictureTop, 101, 120));
            EXPECT_TRUE(picture.HasImage());
        }
    }
    EXPECT_TRUE(screen.Edit1->isVisible());
    EXPECT_EQ(EditPlace(), QPoint(Game().InputLeft(), Game().InputTop()));
    EXPECT_EQ(player.plays.front(), CourseFile("Polecenia/42.wav"));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CrosswordScreenTest, KeysTypeLettersIntoTheSquaresAndMoveBetweenRows) {
    Open();
    const int first = Game().ActiveRow();
    const QPoint start = EditPlace();
    const std::string word = Game().Row(first).word;
    test::PressKey(screen, Qt::Key_Backspace); // nothing typed yet
    EXPECT_EQ(EditPlace(), start);
    Type(word.substr(0, 2));
    test::PressKey(screen, Qt::Key_1); // not a letter: swallowed
    EXPECT_EQ(Game().Row(first).typed, word.substr(0, 2));
    EXPECT_EQ(EditPlace(), start + QPoint(42, 0));
    EXPECT_TRUE(screen.Edit1->Text().empty());
    const auto painted = Painted(first);
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_EQ(painted[0].text, std::string(1, static_cast<char>(word[0] - 'a' + 'A')));
    EXPECT_EQ(painted[1].y, 2);
    EXPECT_EQ(painted[0].font.size, 12);
    EXPECT_TRUE(painted[0].font.bold);
    test::PressKey(screen, Qt::Key_Backspace);
    EXPECT_EQ(EditPlace(), start + QPoint(21, 0));

    test::PressKey(screen, Qt::Key_Tab);
    EXPECT_EQ(Game().ActiveRow(), 2);
    EXPECT_TRUE(Game().Row(1).typed.empty()); // left rows are erased
    test::PressKey(screen, Qt::Key_Up);
    test::PressKey(screen, Qt::Key_Up);
    EXPECT_EQ(Game().ActiveRow(), 3); // from the first row up to the last
    test::PressKey(screen, Qt::Key_Down);
    EXPECT_EQ(Game().ActiveRow(), 1);
    screen.kr[1]->Click();
    EXPECT_EQ(Game().ActiveRow(), 2);
    EXPECT_EQ(EditPlace(), QPoint(Game().InputLeft(), Game().InputTop()));
}

TEST_F(CrosswordScreenTest, SolvedToTheEndWithTheResultBoxWhoseEscKeepsItOpen) {
    Open();
    FinishPlay(); // the spoken instruction
    // A wrong completion erases the row for a new try.
    const std::string first = Game().Row(Game().ActiveRow()).word;
    Type(std::string(first.size(), 'x'));
    EXPECT_EQ(Game().WrongCount(), 1);
    EXPECT_TRUE(Game().Row(Game().ActiveRow()).typed.empty());
    EXPECT_EQ(player.plays.back(), CourseFile("wav/No_1.wav"));

    while (Game().SolvedCount() < 2) {
        Type(Game().Row(Game().ActiveRow()).word);
        EXPECT_EQ(player.plays.back(), CourseFile("wav/Ok_1.wav"));
    }
    // The last row opens the result box at once; Esc on it keeps the
    // crossword as it was.
    PressOnResultBox(Qt::Key_Escape);
    Type(Game().Row(Game().ActiveRow()).word);
    EXPECT_TRUE(Game().AllSolved());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(screen.Edit1->isVisible());
    EXPECT_TRUE(RecordedAsDone(30));

    PressOnResultBox(Qt::Key_Return);
    screen.btn_exit->Click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(RecordedAsDone(30));
}

TEST_F(CrosswordScreenTest, MissingFilesOrNoWordToDrawAreReportedAndNothingOpens) {
    const auto refused = [&](const std::string& named) {
        messages.Clear();
        EXPECT_FALSE(screen.Load());
        EXPECT_FALSE(screen.isVisible());
        ASSERT_EQ(messages.Messages().size(), 1u);
        const std::string shown = messages.Messages()[0] + "\n" + messages.Details()[0];
        EXPECT_NE(shown.find(named), std::string::npos) << shown;
    };
    builder.Remove("krzyzowka/kuchnia/horse.png");
    refused("krzyzowka/kuchnia/horse.png");
    WriteList({"cat", "crocodile-and-a-dog"});
    refused("krzyzowka/kuchnia/slowka.txt");
    builder.Remove("krzyzowka/kuchnia/slowka.txt");
    refused("slowka.txt");
    EXPECT_TRUE(player.plays.empty());
}

} // namespace
} // namespace lumora
