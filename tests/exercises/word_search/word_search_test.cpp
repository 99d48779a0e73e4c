// The word search: reading the puzzle file, cells from pixels, the two-click
// selection, the lookup, the frames and counters, and the course checker.
#include "course_builder.h"
#include "exercises/word_search/word_search.h"
#include "exercises/word_search/word_search_check.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', start)) {
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

std::variant<WordSearchPuzzle, LoadFault> Parse(const std::string& text) {
    return ParseWordSearch(Split(text), "Pseudo/p.txt");
}

std::string FaultOf(const std::string& text) {
    const auto read = Parse(text);
    if (const auto* f = std::get_if<LoadFault>(&read)) {
        return std::to_string(f->line) + ": " + f->message;
    }
    return "no fault";
}

// Rows: "catx", "aoxd", "rxdo", "tdog"; words hidden: CAT across row 1,
// car down column 1, dog across row 4 and down column 4; tac only backwards.
const char* kPuzzle = "1=4=4=4=CAT=car=dog=tac=\n"
                      "catx\n"
                      "aoxd\n"
                      "rxdo\n"
                      "tdog\n"
                      "*\n";

WordSearch Game() {
    return WordSearch(std::get<WordSearchPuzzle>(Parse(kPuzzle)));
}

TEST(WordSearchFile, ReadsTheLastPuzzleOfTheFile) {
    const auto read = Parse("1=2=1=1=ab=\nab\n*\n"
                            "2=3=2=2= x =yz=extra=\nxyzq\nąbc\n*\n\n\n");
    ASSERT_TRUE(std::holds_alternative<WordSearchPuzzle>(read)) << FaultOf("");
    const auto& p = std::get<WordSearchPuzzle>(read);
    EXPECT_EQ(p.columns, 3);
    EXPECT_EQ(p.rows, 2);
    EXPECT_EQ(p.headerLine, 4);
    EXPECT_EQ(p.words, (std::vector<std::string>{" x ", "yz"})); // untrimmed
    EXPECT_EQ(p.grid, (std::vector<std::vector<std::string>>{{"x", "y", "z"}, {"ą", "b", "c"}}));
    // A missing "=" empties the words from there on; the skipped last line
    // may be missing too.
    const auto short_words = std::get<WordSearchPuzzle>(Parse("1=1=1=3=a=b\nq\n"));
    EXPECT_EQ(short_words.words, (std::vector<std::string>{"a", "", ""}));
}

TEST(WordSearchFile, RefusesWhatWouldReadOutsideTheGrid) {
    struct Case {
        std::string text, fault;
    };
    const std::vector<Case> cases{
        {"1=16=1=1=a=\n" + std::string(16, 'a') + "\n*\n",
         "1: C is 16; it must lie between 1 and 15."},
        {"1=1=16=1=a=\n", "1: R is 16; it must lie between 1 and 15."},
        {"1=1=1=16=a=\nb\n*\n", "1: W is 16; it must lie between 0 and 15."},
        {"1=0=1=1=a=\n\n*\n", "1: C is 0; it must lie between 1 and 15."},
        {"1=2=1=-1=\nab\n*\n", "1: W is -1; it must lie between 0 and 15."},
        {"1=x=1=1=a=\nab\n*\n", "1: 'x' is not a valid integer value"},
        {"1=2=1=\nab\n*\n", "1: '' is not a valid integer value"},
        {"", "0: The file holds no puzzle."},
        {"\n\n", "0: The file holds no puzzle."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FaultOf(c.text), c.fault) << c.text;
    }
}

TEST(WordSearchFile, ShortRowsAndMissingRowsLeaveEmptyCells) {
    const auto read = Parse("1=3=4=1=ab=\nab\nxyz\n");
    ASSERT_TRUE(std::holds_alternative<WordSearchPuzzle>(read)) << FaultOf("");
    const auto& p = std::get<WordSearchPuzzle>(read);
    EXPECT_EQ(p.grid, (std::vector<std::vector<std::string>>{
                          {"a", "b", ""}, {"x", "y", "z"}, {"", "", ""}, {"", "", ""}}));
    ASSERT_EQ(p.shortLines.size(), 2u);
    EXPECT_EQ(p.shortLines[0].line, 2);
    EXPECT_EQ(p.shortLines[0].message, "The grid row has 2 letters; the puzzle announces 3.");
    EXPECT_EQ(p.shortLines[1].line, 1);
    EXPECT_EQ(p.shortLines[1].message, "The puzzle announces 4 grid rows; the file ends after 2.");
    // The word in the short row is still found; an empty cell reads as nothing.
    WordSearch game(p);
    game.Click({1, 1});
    EXPECT_TRUE(game.Click({1, 3}).found);
    game.EndFeedback();
}

TEST(WordSearchGrid, CellsFromPixelsInsideTheGridArea) {
    const WordSearch g = Game(); // 4 x 4: 116 x 104 pixels
    struct Case {
        int x, y;
        std::optional<GridCell> cell;
    };
    const std::vector<Case> cases{
        {0, 1, GridCell{1, 1}},     {28, 25, GridCell{1, 1}},   {29, 26, GridCell{2, 2}},
        {115, 103, GridCell{4, 4}}, {116, 104, GridCell{4, 4}}, // the far edges: last cell
        {0, 0, std::nullopt},       {117, 50, std::nullopt},    {50, 105, std::nullopt},
        {-1, 10, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(g.CellAt(c.x, c.y), c.cell) << c.x << "," << c.y;
        EXPECT_EQ(g.InGrid(c.x, c.y), c.cell.has_value()) << c.x << "," << c.y;
    }
}

// Clicks two cells; returns the word found (0 for none) and ends the pause.
int Select(WordSearch& g, GridCell a, GridCell b) {
    g.Click(a);
    const WordSearchStep step = g.Click(b);
    EXPECT_TRUE(step.judged);
    g.EndFeedback();
    return step.found;
}

TEST(WordSearchPlay, ReadsARowOrAColumnInEitherClickOrder) {
    struct Case {
        GridCell a, b;
        int found;
    };
    const std::vector<Case> cases{
        {{1, 1}, {1, 3}, 1},                      // cat, across, list says CAT
        {{1, 3}, {1, 1}, 1},                      // last letter first
        {{1, 1}, {3, 1}, 2},                      // car, down
        {{3, 1}, {1, 1}, 2}, {{4, 2}, {4, 4}, 3}, // dog across row 4
        {{4, 4}, {2, 4}, 3},                      // dog down column 4, bottom first
        {{1, 2}, {2, 3}, 0},                      // two cells in neither one row nor one column
        {{2, 2}, {2, 2}, 0},                      // one letter, no such word
    };
    for (const auto& c : cases) {
        WordSearch g = Game();
        EXPECT_EQ(Select(g, c.a, c.b), c.found)
            << c.a.row << "," << c.a.column << " " << c.b.row << "," << c.b.column;
        EXPECT_EQ(g.Attempts(), 1);
        EXPECT_EQ(g.FoundCount(), c.found ? 1 : 0);
    }
}

TEST(WordSearchPlay, TheSameCellTwiceJudgesOneLetter) {
    WordSearch g(std::get<WordSearchPuzzle>(Parse("1=2=1=1=B=\nab\n*\n")));
    EXPECT_EQ(Select(g, {1, 2}, {1, 2}), 1);
}

TEST(WordSearchPlay, AFoundWordIsFramedFlashesRedAndCountsOnce) {
    WordSearch g = Game();
    EXPECT_TRUE(g.Click({1, 3}).accepted);
    EXPECT_TRUE(g.Red(1, 3));
    EXPECT_FALSE(g.Red(1, 2));
    const WordSearchStep step = g.Click({1, 1});
    EXPECT_EQ(step.found, 1);
    EXPECT_TRUE(g.Red(1, 2)); // the whole word for the moment of feedback
    EXPECT_TRUE(g.FrameShown(1));
    EXPECT_EQ(g.Frame(1), (FrameRect{44, 52, 87, 26}));
    EXPECT_EQ(g.AttemptsText(), "Próby: 1");
    EXPECT_EQ(g.WordsLeftText(), "Wyrazów do odnalezienia: 4"); // until the pause ends
    // Clicks during the pause are refused.
    EXPECT_FALSE(g.Click({2, 2}).accepted);
    EXPECT_FALSE(g.Red(2, 2));
    EXPECT_FALSE(g.EndFeedback());
    EXPECT_EQ(g.WordsLeftText(), "Wyrazów do odnalezienia: 3");
    EXPECT_FALSE(g.Red(1, 1));
    EXPECT_TRUE(g.Used(1, 1));
    EXPECT_TRUE(g.Used(1, 3));
    EXPECT_FALSE(g.Used(1, 2));
    // Marking it again: an attempt, no second find.
    EXPECT_EQ(Select(g, {1, 1}, {1, 3}), 0);
    EXPECT_EQ(g.FoundCount(), 1);
    EXPECT_EQ(g.Attempts(), 2);
    // A down word shares the used C: one end unused, so it is looked up.
    EXPECT_EQ(Select(g, {1, 1}, {3, 1}), 2);
    EXPECT_EQ(g.Frame(2), (FrameRect{44, 52, 29, 78}));
    EXPECT_FALSE(g.FrameShown(3));
    EXPECT_FALSE(g.FrameShown(16));
}

TEST(WordSearchPlay, TwoUsedEndsAreNotLookedUp) {
    // "ab" and "bc" found; then a..c would read "abc", which is in the list,
    // but both its ends are used.
    WordSearch g(std::get<WordSearchPuzzle>(Parse("1=3=1=3=ab=bc=abc=\nabc\n*\n")));
    EXPECT_EQ(Select(g, {1, 1}, {1, 2}), 1);
    EXPECT_EQ(Select(g, {1, 2}, {1, 3}), 2);
    EXPECT_EQ(Select(g, {1, 1}, {1, 3}), 0);
    EXPECT_EQ(g.Attempts(), 3);
}

TEST(WordSearchPlay, AWordHiddenTwiceIsFoundOnce) {
    // Without this, finding "ab" twice would congratulate with "cd" left.
    WordSearch g(std::get<WordSearchPuzzle>(Parse("1=2=3=2=ab=cd=\nab\nab\ncd\n*\n")));
    EXPECT_EQ(Select(g, {1, 1}, {1, 2}), 1);
    EXPECT_EQ(Select(g, {2, 1}, {2, 2}), 0);
    EXPECT_EQ(g.FoundCount(), 1);
    g.Click({3, 1});
    EXPECT_EQ(g.Click({3, 2}).found, 2);
    EXPECT_TRUE(g.EndFeedback()); // every word found: the message
    // Clicks still go on after it.
    EXPECT_TRUE(g.Click({1, 1}).accepted);
}

TEST(WordSearchPlay, ResetStartsOver) {
    WordSearch g = Game();
    Select(g, {1, 1}, {1, 3});
    g.Click({2, 2});
    g.Reset();
    EXPECT_EQ(g.FoundCount(), 0);
    EXPECT_EQ(g.Attempts(), 0);
    EXPECT_FALSE(g.Red(2, 2));
    EXPECT_FALSE(g.Used(1, 1));
    EXPECT_FALSE(g.FrameShown(1));
    EXPECT_EQ(g.WordsLeftText(), "Wyrazów do odnalezienia: 4");
    // The next click starts a new selection.
    EXPECT_FALSE(g.Click({1, 1}).judged);
}

TEST(WordSearchCheck, NamesFilesThatDoNotReadAndWordsNotHidden) {
    test::CourseBuilder b;
    b.Write("Steruj.t", "dom=good=40=====\ndom=good=40=====\nzoo=hidden=40=====\n"
                        "zoo=short=40=====\nzoo=gone=40=====\nzoo=good=41=====\n");
    b.Write("Pseudo/good.txt", kPuzzle);
    b.Write("Pseudo/hidden.txt", "1=3=2=2=abc=cba=\nabc\nxyz\n*\n");
    b.Write("Pseudo/short.txt", "1=3=2=1=abc=\nabc\nxy\n*\n");
    const CourseData course = b.Load();
    std::vector<std::string> faults;
    for (const LoadFault& f : CheckWordSearches(course)) {
        faults.push_back((f.kind == FaultKind::Warning ? "warning " : "") + f.file + ":" +
                         std::to_string(f.line) + ": " + f.message);
    }
    ASSERT_EQ(faults.size(), 4u);
    // kPuzzle's "tac" is not hidden either: it reads backwards.
    EXPECT_EQ(faults[0], "Pseudo/good.txt:1: The grid does not hide the word \"tac\".");
    EXPECT_EQ(faults[1], "Pseudo/hidden.txt:1: The grid does not hide the word \"cba\".");
    EXPECT_EQ(faults[2], "warning Pseudo/short.txt:3: The grid row has 2 letters; the puzzle "
                         "announces 3. The missing letters stay empty.");
    EXPECT_EQ(faults[3].substr(0, 21), "Pseudo/gone.txt:0: Ca");
}

} // namespace
} // namespace lumora
