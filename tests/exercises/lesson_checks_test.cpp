// The course checker's look at the lessons, on tables built in memory.
#include "course/lesson_kinds.h"
#include "exercises/lesson_checks.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora {
namespace {

class LessonChecks : public ::testing::Test {
  protected:
    void Lesson(int code, const std::string& content) {
        SteeringRow row;
        row.TopicFolder = "dom";
        row.Content = content;
        row.Code = code;
        row.Title = "Story";
        row.Line = static_cast<int>(course.SteeringTable.size()) + 1;
        course.SteeringTable.push_back(row);
    }
    void Record(int number, int line, const std::string& head, const std::string& body) {
        course.StTable[static_cast<std::size_t>(number)] = StRecord{head, body, "", line};
    }
    std::vector<std::string> Faults() {
        std::vector<std::string> out;
        LoadReport report(
            [&out](const LoadFault& f) {
                out.push_back((f.kind == FaultKind::Warning ? "warning " : "") + f.file + ":" +
                              std::to_string(f.line) + ": " + f.message);
            },
            false);
        CheckLessons(course, report);
        return out;
    }

    CourseData course;
};

TEST_F(LessonChecks, AGoodMultipleChoiceRecordHasNoFaults) {
    Lesson(kMultipleChoiceCode, "1");
    Record(1, 4, "1#roz#help.wav#Listen.#", "35#Who?=Ann=T_Bob#");
    EXPECT_TRUE(Faults().empty());
}

TEST_F(LessonChecks, FaultsNameTheLineOfTheHeadOrOfTheContent) {
    Lesson(kMultipleChoiceCode, "1");
    Lesson(kMultipleChoiceCode, "2");
    Lesson(kMultipleChoiceCode, "3");
    Lesson(kMultipleChoiceCode, "x");
    Record(1, 4, "1#roz#help.wav#Listen.#", "35#Who?=Ann=Bob#");
    Record(2, 7, "2#roz#help.wav", "35#Who?=Ann=T_Bob#");
    EXPECT_EQ(Faults(),
              (std::vector<std::string>{
                  "St.t:5: record 1: Question 1: no answer is marked \"T_\".",
                  "St.t:7: record 2: its first line needs at least four \"#\".",
                  "Steruj.t:3: record 3 for lesson \"Story\" of dom (code 35): the "
                  "course has no such record.",
                  "Steruj.t:4: record x for lesson \"Story\" of dom (code 35): 'x' is not a "
                  "valid integer value",
              }));
}

TEST_F(LessonChecks, AShortHeadIsReportedAndItsContentLeftUnread) {
    Lesson(kDragAndDropCode, "1");
    Lesson(30, "1"); // vocabulary reads data rows, not St.t
    Record(1, 1, "1#roz", "36#anything#");
    EXPECT_EQ(Faults(), (std::vector<std::string>{
                            "St.t:1: record 1: its first line needs at least four \"#\"."}));
}

TEST_F(LessonChecks, TrueFalseContentIsReadAsItsScreenReadsIt) {
    Lesson(kTrueFalseCode, "5");
    Lesson(kTrueFalseCode, "6");
    Record(5, 10, "5#roz#help.wav#Listen.#", "39# # #T_a#b#");
    Record(6, 14, "6#roz#help.wav#Listen.#", "39# # #T_a#b");
    EXPECT_EQ(Faults(), (std::vector<std::string>{
                            "St.t:15: record 6: Statement 2 does not end with \"#\".",
                        }));
}

TEST_F(LessonChecks, SentenceFaultsNameTheirDataLineAndOnlyWarnWhereTheLessonRuns) {
    Lesson(9, "zdania");
    course.SteeringTable.back().LayoutCount = 6;
    Lesson(1, "puste");
    DataRow row;
    row.GroupKey = "zdania";
    row.EnglishText = "A <b> <c> <d> <e>.";
    row.Line = 12;
    course.DataTable.push_back(row);
    row.EnglishText = "No gap.";
    row.Line = 14;
    course.DataTable.push_back(row);
    EXPECT_EQ(Faults(),
              (std::vector<std::string>{
                  "data.t:12: \"A <b> <c> <d> <e>.\": more than three gaps; the words of the "
                  "later gaps are shown as text",
                  "warning data.t:14: \"No gap.\": no gap marked with \"<\" and \">\"; the "
                  "learner is asked to type \"wyraz\"",
                  "Steruj.t:2: lesson puste (code 1, topic dom): no data.t row has this content "
                  "key; the lesson does not open",
              }));
}

TEST_F(LessonChecks, SortingContentIsReadAsItsScreensReadIt) {
    Lesson(kDragAndDropCode, "1");
    Lesson(kDragAndDropCode, "2");
    Lesson(kDefinitionsCode, "3");
    Lesson(kDefinitionsCode, "4");
    Record(1, 2, "1#roz#help.wav#Sort.#", "36#2#3#A#B#cat*1#cup*2#");
    Record(2, 5, "2#roz#help.wav#Sort.#", "36#2#3#A#B#cat*3#");
    Record(3, 8, "3#roz#help.wav#Match.#", "38#cat*an animal#");
    Record(4, 11, "4#roz#help.wav#Match.#", "38#cat an animal#");
    EXPECT_EQ(Faults(),
              (std::vector<std::string>{
                  "St.t:6: record 2: Word 1: its column 3 is not one of the 2 columns.",
                  "St.t:12: record 4: Item 1: it has no \"*\" between its word and its definition.",
              }));
}

TEST_F(LessonChecks, LayoutWarningsOnlyForLessonsThatOpen) {
    Lesson(kDragAndDropCode, "1");
    Lesson(kDragAndDropCode, "2");
    Lesson(kDefinitionsCode, "3");
    course.SteeringTable[0].LayoutX[2] = 760; // the table from x = 760
    course.SteeringTable[1].LayoutX[2] = 760;
    Record(1, 2, "1#roz#help.wav#Sort.#", "36#2#3#A#B#cat*1#cup*2#");
    Record(2, 5, "2#roz#help.wav#Sort.#", "36#2#3#A#B#cat*3#"); // refused: no warning
    Record(3, 8, "3#roz#help.wav#Match.#", "38#cat*an animal#");
    std::vector<std::string> out;
    LoadReport report(
        [&out](const LoadFault& f) {
            out.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
        },
        false);
    // Ten pixels a character, labels 16 high: columns of 3 x 10 + 18.
    CheckLessonLayouts(
        course, report,
        {[](const std::string& w) {
             return LabelSize{static_cast<int>(w.size()) * 10, 16};
         },
         [](std::string_view t, TextStyle) { return static_cast<int>(t.size()) * 10; }});
    EXPECT_EQ(out, (std::vector<std::string>{
                       "St.t:3: Lesson 1 (dom, record 1): the table (760..856 x 240..320) does "
                       "not fit on the screen.",
                   }));
}

} // namespace
} // namespace lumora
