// The presentation's rules without a window: the words it uses, paging by
// four, play-all, the seeded draws of both drills and their points, and the
// printed page.
#include "exercises/presentation/choice_drill.h"
#include "exercises/presentation/presentation_words.h"
#include "exercises/presentation/typing_drill.h"
#include "exercises/presentation/word_list_page.h"
#include "exercises/presentation/word_page.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

namespace lumora {
namespace {

std::vector<int> Rows(int count, int first = 1) {
    std::vector<int> rows(static_cast<std::size_t>(count));
    std::iota(rows.begin(), rows.end(), first);
    return rows;
}

class Seeded : public ::testing::Test {
  protected:
    Seeded() { FixRandomSeed(7); }
    ~Seeded() override { ReleaseRandomSeed(); }
};

TEST(PresentationWords, PointsFallWithTriesAndOnlyTheFirstThirtyRowsAreUsed) {
    const std::vector<int> points{PointsForTries(1), PointsForTries(2), PointsForTries(3),
                                  PointsForTries(4), PointsForTries(5), PointsForTries(40)};
    EXPECT_EQ(points, (std::vector<int>{10, 5, 3, 2, 1, 1}));
    EXPECT_EQ(PresentationRows(Rows(31, 5)), Rows(30, 5));
    EXPECT_EQ(PresentationRows(Rows(12)), Rows(12));
}

TEST(PresentationWords, LessonsThatCannotRunAreRefusedByName) {
    CourseData course;
    SteeringRow row;
    row.Content = "dom_1";
    row.Title = "Wybór (MC)";
    course.SteeringTable.push_back(row);
    LessonState lesson;
    lesson.CurrentRow = 1;
    lesson.CurrentContent = "dom_1";
    lesson.CurrentCode = 31;
    EXPECT_EQ(RefuseVocabulary(course, lesson, 31, 3),
              "Lesson \"Wybór (MC)\" (dom_1, code 31): the picture choice needs at least 4 "
              "words, it has 3.");
    EXPECT_EQ(RefuseVocabulary(course, lesson, 31, 4), std::nullopt);
    EXPECT_EQ(RefuseVocabulary(course, lesson, 32, 3), std::nullopt);
    EXPECT_NE(RefuseVocabulary(course, lesson, 32, 0), std::nullopt);
    EXPECT_EQ(RefuseVocabulary(course, lesson, 30, 0), std::nullopt);
}

struct PageCase {
    int words;
    bool scrolls;
    // first shown, last shown, up, down: after opening, after Down, after Up
    std::vector<std::array<int, 4>> states;
};

TEST(WordPage, ArrowsMoveByFourAndShowOnlyWhereThereIsMore) {
    const PageCase cases[] = {
        {12, true, {{1, 8, 0, 1}, {5, 12, 1, 0}, {1, 8, 0, 1}}},
        {9, true, {{1, 8, 0, 1}, {5, 9, 1, 0}, {1, 8, 0, 1}}},
        {8, true, {{1, 8, 0, 0}, {5, 8, 1, 0}, {1, 8, 0, 1}}},
        {20, true, {{1, 8, 0, 1}, {5, 12, 1, 1}, {1, 8, 0, 1}}},
        {12, false, {{1, 8, 0, 0}, {5, 12, 1, 0}, {1, 8, 0, 1}}},
        {3, true, {{1, 3, 0, 0}, {5, 3, 1, 0}, {1, 3, 0, 1}}},
    };
    for (const PageCase& c : cases) {
        WordPage page(c.words, c.scrolls);
        std::vector<std::array<int, 4>> seen;
        const auto note = [&] {
            seen.push_back({page.FirstShown(), page.LastShown(), page.UpShown(), page.DownShown()});
        };
        note();
        page.Down();
        note();
        page.Up();
        note();
        EXPECT_EQ(seen, c.states) << c.words << " words";
    }
}

TEST(WordPage, ThirteenWordsTakeTwoStepsDownAndUpStopsAtTheFirstWord) {
    WordPage page(13, true);
    page.Down();
    EXPECT_TRUE(page.DownShown());
    page.Down();
    EXPECT_EQ(page.FirstShown(), 9);
    EXPECT_EQ(page.LastShown(), 13);
    EXPECT_FALSE(page.DownShown());
    page.Up();
    page.Up();
    page.Up();
    EXPECT_EQ(page.FirstShown(), 1);
    EXPECT_FALSE(page.UpShown());
}

TEST(PlayAll, TwelveWordsScrollWhenTheNinthStartsAndEndAfterTheLast) {
    WordPage page(12, true);
    page.Down();
    PlayAllRun run;
    std::vector<int> played{run.Start(page)};
    std::vector<int> firstShown{page.FirstShown()};
    while (const int next = run.Step(page)) {
        played.push_back(next);
        firstShown.push_back(page.FirstShown());
    }
    EXPECT_EQ(played, Rows(12));
    EXPECT_EQ(firstShown, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 5, 5, 5, 5}));
    EXPECT_EQ(run.Step(page), 0);
}

TEST(PlayAll, TwentyWordsScrollAtTheNinthThirteenthAndSeventeenth) {
    WordPage page(20, true);
    PlayAllRun run;
    run.Start(page);
    std::vector<int> scrolledAt;
    int first = page.FirstShown();
    while (const int next = run.Step(page)) {
        if (page.FirstShown() != first) {
            scrolledAt.push_back(next);
            first = page.FirstShown();
        }
    }
    EXPECT_EQ(scrolledAt, (std::vector<int>{9, 13, 17}));
    WordPage none(0, true);
    EXPECT_EQ(run.Start(none), 0);
    EXPECT_EQ(run.Step(none), 0);
}

using ChoiceDrillTest = Seeded;

// Every round holds the asked word at its slot and three other distinct words.
void ExpectSoundRound(const ChoiceDrill& drill) {
    const std::vector<int>& round = drill.Round();
    ASSERT_EQ(round.size(), 4u);
    EXPECT_EQ(round[static_cast<std::size_t>(drill.CorrectSlot() - 1)], drill.Target());
    EXPECT_EQ(std::set<int>(round.begin(), round.end()).size(), 4u);
}

TEST_F(ChoiceDrillTest, SevenWordsAskSevenDistinctQuestionsInRoundsOfFour) {
    ChoiceDrill drill(Rows(7, 11));
    EXPECT_EQ(drill.QuestionCount(), 7);
    EXPECT_EQ(drill.Targets(), (std::vector<int>{11, 12, 16, 13, 14, 17, 15}));
    EXPECT_EQ(drill.Round(), (std::vector<int>{17, 11, 13, 15}));
    EXPECT_EQ(drill.CorrectSlot(), 2);
    // The second question is missed once; it comes back after the seventh.
    std::vector<int> asked;
    while (!drill.Finished()) {
        ExpectSoundRound(drill);
        asked.push_back(drill.CurrentQuestion());
        const bool miss = drill.CurrentQuestion() == 2 && drill.Wrong() == 0;
        const int slot = miss ? drill.CorrectSlot() % 4 + 1 : drill.CorrectSlot();
        const ChoiceDrill::Answer answer = drill.Choose(slot);
        EXPECT_EQ(answer.right, !miss);
        EXPECT_EQ(answer.finished, drill.Finished());
    }
    EXPECT_EQ(asked, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 2}));
    EXPECT_EQ(drill.QuestionPoints(2), 5);
    EXPECT_EQ(drill.Points(), 65);
    EXPECT_EQ(drill.Right(), 7);
    EXPECT_EQ(drill.Wrong(), 1);
    EXPECT_EQ(drill.ProgressWidth(), 150);
    EXPECT_TRUE(drill.Choose(1).finished); // nothing more to ask
    EXPECT_EQ(drill.Right() + drill.Wrong(), 8);
}

TEST_F(ChoiceDrillTest, ProgressFollowsTheQuestionsSolved) {
    ChoiceDrill drill(Rows(4));
    drill.Choose(drill.CorrectSlot());
    EXPECT_EQ(drill.ProgressWidth(), 38); // 37.5
    drill.Choose(drill.CorrectSlot() % 4 + 1);
    EXPECT_EQ(drill.ProgressWidth(), 38);
    drill.Choose(drill.CorrectSlot());
    EXPECT_EQ(drill.ProgressWidth(), 75);
}

TEST_F(ChoiceDrillTest, AtMostTenQuestionsAndFourWordsMakeEveryRound) {
    const ChoiceDrill many(Rows(30));
    EXPECT_EQ(many.QuestionCount(), 10);
    EXPECT_EQ(std::set<int>(many.Targets().begin(), many.Targets().end()).size(), 10u);
    EXPECT_EQ(many.Targets(), (std::vector<int>{3, 7, 24, 10, 14, 30, 22, 17, 8, 16}));
    EXPECT_EQ(many.Round(), (std::vector<int>{13, 9, 3, 15}));

    ChoiceDrill four(Rows(4, 21));
    while (!four.Finished()) {
        ExpectSoundRound(four);
        four.Choose(four.CorrectSlot());
    }
    EXPECT_EQ(four.Points(), 40);
}

using TypingDrillTest = Seeded;

TEST_F(TypingDrillTest, EightDistinctWordsEachWorthTenOnTheFirstTry) {
    TypingDrill drill(Rows(12, 1));
    EXPECT_EQ(drill.Words(), (std::vector<int>{1, 3, 10, 4, 6, 12, 9, 7}));
    TypingDrill::Answer answer;
    for (int p = 1; p <= 8; ++p) {
        answer = drill.Enter(p, " word ", "word");
        EXPECT_TRUE(answer.right);
        EXPECT_EQ(answer.next, p < 8 ? p + 1 : 0);
    }
    EXPECT_TRUE(answer.finished);
    EXPECT_EQ(drill.Points(), 80);
    EXPECT_EQ(drill.Right(), 8);
    EXPECT_EQ(drill.Wrong(), 0);
}

TEST_F(TypingDrillTest, CaseCountsOuterBlanksDoNotAndLaterTriesEarnLess) {
    EXPECT_TRUE(TypedMatches("  video game\t", "video game"));
    EXPECT_FALSE(TypedMatches("Cat", "cat"));
    EXPECT_FALSE(TypedMatches("video  game", "video game"));

    TypingDrill drill(Rows(5, 40));
    EXPECT_EQ(drill.Count(), 5);
    EXPECT_EQ(drill.Words(), (std::vector<int>{40, 41, 43, 42, 44}));
    EXPECT_EQ(drill.Enter(2, "Cat", "cat").next, 2);
    EXPECT_EQ(drill.Enter(2, "cat", "cat").next, 3);
    EXPECT_EQ(drill.Enter(5, "x", "y").next, 5);
    EXPECT_EQ(drill.NextOpen(5), 1); // from the last to the first
    EXPECT_EQ(drill.NextOpen(1), 3); // the solved second is passed over
    for (int p : {1, 3, 4}) {
        drill.Enter(p, "w", "w");
    }
    EXPECT_FALSE(drill.Finished());
    const TypingDrill::Answer last = drill.Enter(5, "y", "y");
    EXPECT_TRUE(last.finished);
    EXPECT_EQ(last.next, 0);
    EXPECT_EQ(drill.Points(), 10 + 5 + 10 + 10 + 5);
    EXPECT_EQ(drill.Wrong(), 2);
}

TEST(WordListPage, SevenWordsMakeRowsOfThreeAndTheLastRowStaysOpen) {
    CourseData course;
    course.DataRoot = "/c/";
    LessonState lesson;
    lesson.CurrentTopic = "dom";
    for (int n = 1; n <= 8; ++n) {
        DataRow row;
        row.EnglishText = n == 7 ? "fish & chips" : "w" + std::to_string(n);
        row.PictureFile = "p" + std::to_string(n) + ".png";
        course.DataTable.push_back(row);
    }
    const auto cell = [](int n, const std::string& word) {
        return std::vector<std::string>{"<td align=\"center\" class=\"tekst\">",
                                        "<IMG SRC=\"/c/obrazki\\dom\\sl\\p" + std::to_string(n) +
                                            ".png\" border=\"0\"><br>",
                                        word, "</td>"};
    };
    std::vector<std::string> expected{
        "<LINK REL=\"stylesheet\" HREF=\"/c/style.css\" TYPE=\"text/css\">", "<table>", "<tr>"};
    const std::vector<int> words{2, 1, 3, 4, 5, 6, 7};
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i == 3 || i == 6) {
            expected.push_back("</tr>");
            expected.push_back("<tr>");
        }
        const int n = words[i];
        for (const std::string& line :
             cell(n, n == 7 ? "fish &amp; chips" : "w" + std::to_string(n))) {
            expected.push_back(line);
        }
    }
    expected.push_back("</table>");
    EXPECT_EQ(WordListPage(course, lesson, words), expected);
    EXPECT_EQ(JoinPage({"a", "b"}), "a\nb\n");
}

} // namespace
} // namespace lumora
