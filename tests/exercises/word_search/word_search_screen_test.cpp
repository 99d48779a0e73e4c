// The word search screen: marking words with two clicks, the frames and the
// counters, the message when all are found, clicks during the short pause,
// and a file that cannot be read.
#include "course/lesson_kinds.h"
#include "exercises/word_search/word_search_screen.h"
#include "platform/text_file.h"
#include "story_course.h"

namespace lumora {
namespace {

// Rows "catx", "aoxd", "rxdo", "tdog": CAT across row 1, dog across row 4.
constexpr const char* kPuzzle = "1=4=4=2=CAT=dog=\ncatx\naoxd\nrxdo\ntdog\n*\n";

class WordSearchScreenTest : public test::StoryCourse {
  protected:
    WordSearchScreenTest() {
        UseLesson({.code = kWordSearchCode, .body = "40#"});
        builder.Write("Pseudo/1.txt", kPuzzle);
        builder.Folder().WriteBytes("course/wav/click.wav", "RIFF");
    }

    void Open() {
        ASSERT_TRUE(screen.Load());
        test::ShowAndWait(screen);
    }
    // Clicks the middle of the cell in row r, column c (from 1).
    void ClickCell(int r, int c) {
        test::MouseClick(*screen.DxRamka, {29 * (c - 1) + 14, 26 * (r - 1) + 13});
    }
    const WordSearch& Game() { return *screen.Game(); }
    std::string Left() { return screen.Label1->Caption(); }
    std::string Tries() { return screen.Label2->Caption(); }

    TPseudo_Form screen{context};
};

TEST_F(WordSearchScreenTest, TwoClicksFrameAWordUntilAllAreFound) {
    Open();
    EXPECT_EQ(Left(), "Wyrazów do odnalezienia: 2");
    EXPECT_EQ(Tries(), "Próby: 0");
    ClickCell(1, 3);
    EXPECT_TRUE(Game().Red(1, 3));
    EXPECT_EQ(player.plays.back(), CourseFile("wav/click.wav"));
    ClickCell(1, 1); // the last letter first: read left to right all the same
    EXPECT_TRUE(screen.shp[0]->isVisible());
    EXPECT_EQ(screen.shp[0]->geometry(), QRect(44, 52, 87, 26));
    EXPECT_FALSE(Game().Red(1, 1)); // black again after the pause
    EXPECT_EQ(Left(), "Wyrazów do odnalezienia: 1");
    EXPECT_EQ(Tries(), "Próby: 1");
    EXPECT_TRUE(messages.Messages().empty());

    ClickCell(1, 1);
    ClickCell(1, 3); // marked again: an attempt, no second find
    EXPECT_EQ(Game().FoundCount(), 1);
    EXPECT_EQ(Tries(), "Próby: 2");
    ClickCell(4, 2);
    ClickCell(4, 4);
    EXPECT_TRUE(screen.shp[1]->isVisible());
    EXPECT_EQ(screen.shp[1]->geometry(), QRect(44 + 29, 52 + 78, 87, 26));
    EXPECT_EQ(Left(), "Wyrazów do odnalezienia: 0");
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Congratulazione!!!"});

    screen.btn_exit->Click(); // no points, no result box
    EXPECT_FALSE(screen.isVisible());
    EXPECT_FALSE(ReadFileBytes(builder.UserFolder() + kPointsFile).has_value());
}

TEST_F(WordSearchScreenTest, ClicksDuringThePauseAreRefusedAndClosingThenIsSafe) {
    Open();
    ClickCell(2, 2);
    test::WhenIdle([this] { ClickCell(3, 3); });
    ClickCell(2, 4);
    EXPECT_FALSE(Game().Red(3, 3));
    ClickCell(1, 1); // a new selection starts
    EXPECT_TRUE(Game().Red(1, 1));

    test::WhenIdle([this] { screen.Close(); });
    ClickCell(1, 3);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(Game().FoundCount(), 1);
    EXPECT_FALSE(Game().InFeedback());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(WordSearchScreenTest, AFileThatCannotBeReadIsReportedWithItsLine) {
    builder.Write("Pseudo/1.txt", "1=4=16=1=CAT=\ncatx\n");
    EXPECT_FALSE(screen.Load());
    EXPECT_FALSE(screen.isVisible());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Details()[0], "Pseudo/1.txt, line 1");
}

} // namespace
} // namespace lumora
