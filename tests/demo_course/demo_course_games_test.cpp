// The demo course's crosswords, reveal games and word searches: each reads
// without a fault through the games' own readers and checkers, and each can
// be played to its end by the games' rules.
#include "demo_course.h"

#include "exercises/crossword/crossword.h"
#include "exercises/crossword/crossword_check.h"
#include "exercises/reveal/reveal_check.h"
#include "exercises/reveal/reveal_game.h"
#include "exercises/word_search/word_search.h"
#include "exercises/word_search/word_search_check.h"
#include "platform/random.h"
#include "platform/text_helpers.h"

#include <gtest/gtest.h>

namespace lumora::test {
namespace {

std::string Describe(const std::vector<LoadFault>& faults) {
    std::string s;
    for (const auto& f : faults) {
        s += "\n  " + f.file + ":" + std::to_string(f.line) + ": " + f.message;
    }
    return s;
}

// Every fault and warning the word search checker reports.
std::vector<LoadFault> WordSearchReport(const CourseData& course) {
    return CheckWordSearches(course);
}

std::vector<const SteeringRow*> Lessons(int code) {
    std::vector<const SteeringRow*> rows;
    for (const auto& row : DemoCourse().course.SteeringTable) {
        if (row.Code == code) {
            rows.push_back(&row);
        }
    }
    return rows;
}

class DemoCourseGames : public testing::Test {
  protected:
    DemoCourseGames() { FixRandomSeed(17); }
    ~DemoCourseGames() override { ReleaseRandomSeed(); }
};

TEST_F(DemoCourseGames, PassTheCheckers) {
    const CourseData& c = DemoCourse().course;
    EXPECT_TRUE(CheckCrosswords(c).empty()) << Describe(CheckCrosswords(c));
    EXPECT_TRUE(CheckRevealGames(c).empty()) << Describe(CheckRevealGames(c));
    EXPECT_TRUE(WordSearchReport(c).empty()) << Describe(WordSearchReport(c));
    EXPECT_EQ(Lessons(kCrosswordCode).size(), 12u);
    EXPECT_EQ(Lessons(kRevealCode).size(), 12u);
    EXPECT_EQ(Lessons(kWordSearchCode).size(), 12u);
}

TEST_F(DemoCourseGames, EveryCrosswordCanBeSolved) {
    for (const SteeringRow* row : Lessons(kCrosswordCode)) {
        auto opened = Crossword::Open(DemoCourse().course, row->TopicFolder);
        ASSERT_TRUE(std::holds_alternative<Crossword>(opened)) << row->TopicFolder;
        Crossword& game = std::get<Crossword>(opened);
        EXPECT_GE(game.RowCount(), 2) << row->TopicFolder;
        LessonStep step;
        while (!step.finished && game.InputVisible()) {
            for (char ch : game.Row(game.ActiveRow()).word) {
                step = game.TypeLetter(static_cast<char32_t>(ch));
            }
        }
        EXPECT_TRUE(step.finished) << row->TopicFolder;
        EXPECT_EQ(game.Points(), 10 * game.RowCount());
    }
}

TEST_F(DemoCourseGames, EveryRevealGameCanBeUncovered) {
    const CourseData& course = DemoCourse().course;
    RevealDraw draw; // the games take pictures from the course's index in turn
    for (const SteeringRow* row : Lessons(kRevealCode)) {
        auto opened = RevealGame::Open(course, draw, row->TopicFolder);
        ASSERT_TRUE(std::holds_alternative<RevealGame>(opened)) << row->TopicFolder;
        RevealGame& game = std::get<RevealGame>(opened);
        for (int w = 1; w <= kRevealWords; ++w) {
            EXPECT_TRUE(CourseFileExists(course, game.Word(w).sound)) << game.Word(w).sound;
        }
        while (game.State() != RevealGame::Phase::Finished) {
            game.Answer(game.Word(game.Position()).english);
            game.Continue();
        }
        EXPECT_EQ(game.Points(), 84);
        EXPECT_FALSE(game.Description().empty()) << game.PicturePath();
    }
}

// The two end cells of a word in the grid, across or down.
std::pair<GridCell, GridCell> Place(const WordSearch& g, const std::string& word) {
    const std::string wanted = LowerAZ(word);
    for (int r = 1; r <= g.Rows(); ++r) {
        for (int c = 1; c <= g.Columns(); ++c) {
            std::string across, down;
            for (int k = 0; c + k <= g.Columns() && across.size() < wanted.size(); ++k) {
                across += g.Letter(r, c + k);
                if (LowerAZ(across) == wanted) {
                    return {{r, c}, {r, c + k}};
                }
            }
            for (int k = 0; r + k <= g.Rows() && down.size() < wanted.size(); ++k) {
                down += g.Letter(r + k, c);
                if (LowerAZ(down) == wanted) {
                    return {{r, c}, {r + k, c}};
                }
            }
        }
    }
    return {};
}

TEST_F(DemoCourseGames, EveryWordSearchCanBeFinished) {
    for (const SteeringRow* row : Lessons(kWordSearchCode)) {
        auto read = ReadWordSearch(DemoCourse().course, row->Content);
        ASSERT_TRUE(std::holds_alternative<WordSearchPuzzle>(read)) << row->Content;
        WordSearch game(std::get<WordSearchPuzzle>(read));
        bool done = false;
        for (int w = 1; w <= game.WordCount(); ++w) {
            const auto [first, last] = Place(game, std::get<WordSearchPuzzle>(read).words[w - 1]);
            game.Click(last);
            EXPECT_EQ(game.Click(first).found, w) << row->Content << " word " << w;
            done = game.EndFeedback();
        }
        EXPECT_TRUE(done) << row->Content;
    }
}

} // namespace
} // namespace lumora::test
