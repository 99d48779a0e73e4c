// Every sentence lesson of the demo course, in every kind it is offered,
// asked to its end through the rules the screen uses: no message, every
// picture and sound there, and full points for right answers.
#include "course/lesson_state.h"
#include "demo_course.h"
#include "exercises/sentences/sentence_check.h"
#include "exercises/sentences/sentence_series.h"
#include "exercises/sentences/sentence_text.h"
#include "platform/random.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <set>

namespace lumora::test {
namespace {

std::string Where(const SteeringRow& row) {
    return row.TopicFolder + " " + row.Content + " (code " + std::to_string(row.Code) + ")";
}

TEST(DemoSentenceLessons, PassTheCourseCheck) {
    std::vector<std::string> faults;
    for (const auto& f : CheckSentenceLessons(DemoCourse().course)) {
        faults.push_back(LoadReport::Place(f) + ": " + f.message);
    }
    EXPECT_TRUE(faults.empty()) << faults.front();
}

// Answers the current sentence right and says what was wrong with it.
std::vector<std::string> AskRight(SentenceSeries& series, const LessonStep& step) {
    std::vector<std::string> problems;
    for (const LoadFault& message : step.messages) {
        problems.push_back(message.message);
    }
    if (!FileExists(series.SentenceSound())) {
        problems.push_back("no sound " + series.SentenceSound());
    }
    for (const auto& picture : series.PictureFiles()) {
        if (!FileExists(picture)) {
            problems.push_back("no picture " + picture);
        }
    }
    if (series.Code() == 9) {
        const auto answers = series.GapAnswersNow();
        if (answers[0].empty() || series.Solution().empty()) {
            problems.push_back("no gap to fill");
        }
        series.Check(answers);
    } else {
        series.Choose(series.ExpectedAnswer());
    }
    return problems;
}

TEST(DemoSentenceLessons, EveryKindIsAskedToTheEndWithoutAFault) {
    CourseData course = DemoCourse().course;
    std::set<int> kinds;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        FixRandomSeed(seed);
        for (int index = 1; index <= static_cast<int>(course.SteeringTable.size()); ++index) {
            const SteeringRow row = course.SteeringTable[static_cast<std::size_t>(index - 1)];
            if (!SentenceSeries::RunsCode(row.Code)) {
                continue;
            }
            kinds.insert(row.Code);
            LessonState lesson;
            lesson.CurrentTopic = row.TopicFolder;
            BeginLesson(course, lesson, index);
            SentenceSeries series(course, lesson);
            const auto refused = series.Start();
            ASSERT_FALSE(refused) << Where(row) << ": " << *refused;
            while (const auto step = series.Next()) {
                for (const auto& problem : AskRight(series, *step)) {
                    ADD_FAILURE() << Where(row) << " seed " << seed << ": " << problem;
                }
            }
            const LessonScore result = series.Result();
            EXPECT_GE(result.items, 8) << Where(row);
            EXPECT_EQ(result.right, result.items) << Where(row);
            EXPECT_EQ(result.points, 10 * result.items) << Where(row);
        }
    }
    ReleaseRandomSeed();
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 9}));
}

} // namespace
} // namespace lumora::test
