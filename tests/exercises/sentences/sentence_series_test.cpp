// A series of sentences as the screen drives it: its length and order, what
// each kind asks, the points and the controls after each answer.
#include "exercises/sentences/sentence_series.h"
#include "platform/random.h"
#include "sentence_course.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using Cues = std::vector<Cue>;

struct Running {
    CourseData course;
    LessonState lesson;
    SentenceSeries series;

    Running(int code, int rows, std::uint32_t seed = 1)
        : course(test::SentenceCourse(code, rows)), lesson(test::StartLesson(course)),
          series(course, lesson) {
        FixRandomSeed(seed);
        EXPECT_FALSE(series.Start());
    }
    LessonStep Next() {
        auto step = series.Next();
        EXPECT_TRUE(step);
        return step ? *step : LessonStep{};
    }
    // The right answer of a gap sentence: the word of its row.
    std::array<std::string, 3> RightEntries() const {
        return {"w" + std::to_string(series.CurrentDataRow()), "", ""};
    }
};

TEST(SentenceSeries, AsksFourteenAtMostAndEndsAfterTheLast) {
    for (const auto& [rows, asked] : {std::pair{20, 14}, {9, 9}, {1, 1}}) {
        Running r(2, rows);
        for (int i = 0; i < asked; ++i) {
            r.Next();
            r.series.Choose(r.series.ExpectedAnswer());
        }
        EXPECT_FALSE(r.series.Next()) << rows;
        const LessonScore result = r.series.Result();
        EXPECT_EQ(result.items, asked);
        EXPECT_EQ(result.answered, asked);
        EXPECT_EQ(result.right, asked);
        EXPECT_EQ(result.points, 10 * asked);
    }
}

TEST(SentenceSeries, ShuffleOrdersTheRowsAndDoneFlagsFollow) {
    Running r(1, 9, 2024);
    EXPECT_EQ(r.lesson.SelectedRows, (std::vector<int>{4, 5, 2, 3, 8, 6, 9, 1, 7}));
    r.Next();
    r.Next();
    EXPECT_EQ(r.lesson.SelectedDone, (std::vector<int>{1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.series.CurrentDataRow(), r.lesson.SelectedRows[1]);
}

TEST(SentenceSeries, NothingSelectedNothingToAsk) {
    CourseData c = test::SentenceCourse(3, 0);
    LessonState lesson = test::StartLesson(c);
    SentenceSeries series(c, lesson);
    EXPECT_EQ(series.Start(), "Lekcja „Czas_Zdania” nie ma zdań w pliku data.t.");
}

TEST(SentenceSeries, YesNoDrawsTheFittingOrTheOtherSentence) {
    Running r(1, 9, 77);
    std::vector<int> expected;
    for (int i = 0; i < 9; ++i) {
        const LessonStep step = r.Next();
        EXPECT_EQ(step.cues, Cues{kSentenceCue});
        const std::string n = std::to_string(r.series.CurrentDataRow());
        expected.push_back(r.series.ExpectedAnswer());
        if (r.series.ExpectedAnswer() == 1) {
            EXPECT_EQ(r.series.SentenceSound(), test::SoundPath(r.course, "s" + n + ".wav"));
            EXPECT_EQ(r.series.ExplanationText(), "e" + n);
        } else {
            EXPECT_EQ(r.series.SentenceSound(), test::SoundPath(r.course, "n" + n + ".wav"));
            EXPECT_EQ(r.series.ExplanationText(), "f" + n);
        }
        EXPECT_EQ(r.series.PictureFiles(),
                  std::vector<std::string>{test::PicturePath(r.course, "p" + n + ".png")});
        EXPECT_TRUE(r.series.Controls().yesNo);
        EXPECT_FALSE(r.series.Controls().ok);
    }
    EXPECT_EQ(expected, (std::vector<int>{2, 2, 1, 2, 1, 1, 1, 1, 1}));
}

TEST(SentenceSeries, PictureChoicePutsTheSentencesPictureInTheRightSlot) {
    Running r(3, 9, 5);
    std::vector<int> expected;
    for (int i = 0; i < 9; ++i) {
        const LessonStep step = r.Next();
        EXPECT_TRUE(step.messages.empty());
        EXPECT_EQ(r.series.Controls().prompt, kChoosePicturePrompt);
        const std::string n = std::to_string(r.series.CurrentDataRow());
        ASSERT_EQ(r.series.PictureFiles().size(), 3u);
        EXPECT_EQ(r.series.PictureFiles()[static_cast<std::size_t>(r.series.ExpectedAnswer() - 1)],
                  test::PicturePath(r.course, "p" + n + ".png"));
        EXPECT_EQ(r.series.SentenceSound(), test::SoundPath(r.course, "s" + n + ".wav"));
        expected.push_back(r.series.ExpectedAnswer());
    }
    EXPECT_EQ(expected, (std::vector<int>{3, 3, 2, 3, 2, 3, 2, 3, 3}));
}

TEST(SentenceSeries, PointsAndControlsAfterEachAnswer) {
    struct Case {
        const char* name;
        int code;
        std::vector<bool> rightAnswers; // the answers given, in order
        int points, correct, wrong;
        Cues lastSounds;
        std::string prompt;
    };
    const Case cases[] = {
        {"code 3: wrong then right halves", 3, {false, true}, 5, 1, 1, {kPraiseCue}, kRightPrompt},
        {"code 4: wrong then right halves", 4, {false, true}, 5, 1, 1, {kPraiseCue}, kRightPrompt},
        {"code 2: wrong first leaves nothing",
         2,
         {false, true},
         0,
         1,
         1,
         {kPraiseCue},
         kRightPrompt},
        {"code 1: wrong first leaves nothing",
         1,
         {false, true},
         0,
         1,
         1,
         {kPraiseCue},
         kRightPrompt},
        {"code 3: right at once", 3, {true}, 10, 1, 0, {kPraiseCue}, kRightPrompt},
        {"code 3: wrong twice ends the sentence",
         3,
         {false, false},
         0,
         0,
         2,
         {kFailureCue, kFailureNextCue},
         kWrongAgainPrompt},
        {"code 2: one wrong, still answering", 2, {false}, 0, 0, 1, {kFailureCue}, kWrongPrompt},
    };
    for (const auto& c : cases) {
        Running r(c.code, 4);
        r.Next();
        LessonStep step;
        for (bool right : c.rightAnswers) {
            const int expected = r.series.ExpectedAnswer();
            step = r.series.Choose(right ? expected : expected % 2 + 1);
        }
        EXPECT_EQ(r.series.TotalPoints(), c.points) << c.name;
        EXPECT_EQ(r.series.CorrectCount(), c.correct) << c.name;
        EXPECT_EQ(r.series.WrongCount(), c.wrong) << c.name;
        EXPECT_EQ(step.cues, c.lastSounds) << c.name;
        EXPECT_EQ(r.series.Controls().prompt, c.prompt) << c.name;
        const bool answered = c.correct + c.wrong == 2 || c.rightAnswers.back();
        EXPECT_EQ(r.series.Answering(), !answered) << c.name;
        EXPECT_EQ(r.series.Controls().ok, answered) << c.name;
        EXPECT_EQ(r.series.Controls().yesNo, c.code == 1 && !answered) << c.name;
        // Once answered, further clicks change nothing.
        r.series.Choose(r.series.ExpectedAnswer());
        EXPECT_EQ(r.series.TotalPoints(), c.points) << c.name;
    }
}

TEST(SentenceSeries, ProgressCountsAnsweredSentences) {
    Running r(2, 9);
    r.Next();
    EXPECT_EQ(r.series.Controls().progress, 0);
    r.series.Choose(r.series.ExpectedAnswer());
    EXPECT_EQ(r.series.Controls().progress, 17); // 150 / 9, rounded
    r.Next();
    EXPECT_EQ(r.series.Controls().progress, 17);
    EXPECT_FALSE(r.series.Controls().ok);
}

TEST(SentenceSeries, GapFillingChecksTheFieldsWithASecondTry) {
    struct Case {
        const char* name;
        std::vector<bool> rightChecks;
        int points, wrong;
        bool emptied; // the last check emptied the fields
        bool answered;
    };
    const Case cases[] = {
        {"right at once", {true}, 10, 0, false, true},
        {"wrong then right halves", {false, true}, 5, 1, false, true},
        {"wrong once empties the fields", {false}, 0, 1, true, false},
        {"wrong twice shows the solution", {false, false}, 0, 2, false, true},
    };
    for (const auto& c : cases) {
        Running r(9, 3);
        const LessonStep first = r.Next();
        EXPECT_TRUE(first.messages.empty()) << c.name;
        EXPECT_EQ(r.series.Controls().prompt, kFillGapPrompt);
        EXPECT_TRUE(r.series.Controls().check && r.series.Controls().gapFrame);
        const std::string n = std::to_string(r.series.CurrentDataRow());
        EXPECT_EQ(r.series.GapAnswersNow()[0], "w" + n);
        EXPECT_EQ(r.series.Solution(), "Sentence w" + n + ".");
        LessonStep step;
        for (bool right : c.rightChecks) {
            step = r.series.Check(right ? r.RightEntries() : std::array<std::string, 3>{"W" + n});
        }
        EXPECT_EQ(r.series.TotalPoints(), c.points) << c.name;
        EXPECT_EQ(r.series.WrongCount(), c.wrong) << c.name;
        EXPECT_EQ(step.emptyEntry, c.emptied) << c.name;
        const SentenceControls& k = r.series.Controls();
        EXPECT_EQ(k.solution, c.answered) << c.name;
        EXPECT_EQ(k.explanation, c.answered) << c.name;
        EXPECT_EQ(k.gapFrame, !c.answered) << c.name;
        EXPECT_EQ(k.check, !c.answered) << c.name;
        EXPECT_EQ(k.ok, c.answered) << c.name;
    }
}

TEST(SentenceSeries, EnterChecksWhileItCanElseMovesOn) {
    Running gaps(9, 2);
    gaps.Next();
    EXPECT_EQ(gaps.series.OnEnter(), EnterAction::Check);
    gaps.series.Check({"wrong"});
    EXPECT_EQ(gaps.series.OnEnter(), EnterAction::Check);
    gaps.series.Check(gaps.RightEntries());
    EXPECT_EQ(gaps.series.OnEnter(), EnterAction::Next);

    Running choice(3, 2);
    choice.Next();
    EXPECT_EQ(choice.series.OnEnter(), EnterAction::Nothing);
    choice.series.Choose(choice.series.ExpectedAnswer());
    EXPECT_EQ(choice.series.OnEnter(), EnterAction::Next);
}

TEST(SentenceSeries, FaultyGapSentenceIsShownWithoutItsSurplusGaps) {
    CourseData c = test::SentenceCourse(9, 1);
    c.DataTable[0].EnglishText = "<a> <b> <c> <d> e";
    c.DataTable[0].Line = 12;
    LessonState lesson = test::StartLesson(c);
    SentenceSeries series(c, lesson);
    ASSERT_FALSE(series.Start());
    const auto step = series.Next();
    ASSERT_TRUE(step);
    ASSERT_EQ(step->messages.size(), 1u);
    EXPECT_EQ(step->messages[0].message,
              "Zdanie „<a> <b> <c> <d> e” lekcji „Czas_Zdania” jest błędne: więcej niż trzy "
              "luki; wyrazy dalszych luk są pokazane jako tekst.");
    EXPECT_EQ(LoadReport::Where(step->messages[0]), "data.t, line 12");
    EXPECT_EQ(series.GapAnswersNow(), (std::array<std::string, 3>{"a", "b", "c"}));
    series.Check({"a", "b", "c"});
    EXPECT_EQ(series.TotalPoints(), 10);
}

TEST(SentenceSeries, ResultCountsTheSentencesBegunWhenLeftEarly) {
    Running r(4, 20);
    r.Next();
    r.series.Choose(r.series.ExpectedAnswer());
    r.Next();
    const LessonScore result = r.series.Result();
    EXPECT_EQ(result.answered, 2);
    EXPECT_EQ(result.items, 14);
    EXPECT_EQ(result.points, 10);
}

} // namespace
} // namespace lumora
