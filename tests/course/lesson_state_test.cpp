#include "course/lesson_state.h"
#include "course_builder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

class LessonStateTest : public testing::Test {
  protected:
    void SetUp() override {
        b.Write("Steruj.t", "kuchnia=Kuchnia_1=30=====11=\n"
                            "kuchnia=7=35======\n"
                            "kuchnia=zdania=2======\n"
                            "kuchnia=x=77======\n"
                            "kuchnia=zdania=41======\n");
        b.Write("data.t", "kuchnia=kuchnia_1=spoon==łyżka=====\n"
                          "kuchnia=zdania=I cook.==Gotuję.=====\n"
                          "kuchnia=KUCHNIA_1=fork==widelec=====\n");
        course = b.Load();
    }

    test::CourseBuilder b;
    CourseData course;
    LessonState lesson;
};

TEST_F(LessonStateTest, SelectsDataRowsByLowerCasedKey) {
    SelectDataRows(course, lesson, "Kuchnia_1");
    EXPECT_EQ(lesson.SelectedRows, (std::vector<int>{1, 3}));
    EXPECT_EQ(lesson.SelectedDone, (std::vector<int>{0, 0}));
    EXPECT_EQ(lesson.SelectedCount(), 2);
    SelectDataRows(course, lesson, "nothing");
    EXPECT_EQ(lesson.SelectedCount(), 0);
}

TEST_F(LessonStateTest, BeginningALessonSetsTheCurrentValues) {
    EXPECT_TRUE(BeginLesson(course, lesson, 3)); // the added typing row of the vocabulary lesson
    EXPECT_EQ(lesson.CurrentRow, 3);
    EXPECT_EQ(lesson.CurrentCode, 32);
    EXPECT_EQ(lesson.CurrentContent, "Kuchnia_1");
    EXPECT_EQ(lesson.SelectedRows, (std::vector<int>{1, 3}));

    lesson.SelectedDone[0] = 1;
    EXPECT_TRUE(BeginLesson(course, lesson, 4)); // a story record: no data rows are selected
    EXPECT_EQ(lesson.CurrentCode, 35);
    EXPECT_EQ(lesson.CurrentContent, "7");
    EXPECT_EQ(lesson.SelectedRows, (std::vector<int>{1, 3}));

    EXPECT_TRUE(BeginLesson(course, lesson, 6)); // the gap-filling row added after the sentences
    EXPECT_EQ(lesson.CurrentCode, 9);
    EXPECT_EQ(lesson.SelectedRows, (std::vector<int>{2}));

    EXPECT_TRUE(BeginLesson(course, lesson, 8)); // a game reads its own files
    EXPECT_EQ(lesson.CurrentCode, 41);
    EXPECT_EQ(lesson.SelectedRows, (std::vector<int>{2}));
}

TEST_F(LessonStateTest, IndicesOutsideTheTableChangeNothing) {
    EXPECT_TRUE(BeginLesson(course, lesson, 7)); // Code 77: the start does not judge kinds
    EXPECT_EQ(lesson.CurrentCode, 77);
    EXPECT_FALSE(BeginLesson(course, lesson, 0));
    EXPECT_FALSE(BeginLesson(course, lesson, 99));
    EXPECT_EQ(lesson.CurrentRow, 7);
    EXPECT_EQ(lesson.CurrentCode, 77);
}

// A screen fills its layout defaults into the row it is given; the next
// opening of that lesson finds them, other lessons and the course do not.
TEST_F(LessonStateTest, LayoutDefaultsAreKeptPerLessonOutsideTheCourse) {
    ASSERT_TRUE(BeginLesson(course, lesson, 4));
    SteeringRow* row = CurrentLayoutRow(course, lesson);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Content, "7");
    row->LayoutX[2] = 20;
    ASSERT_TRUE(BeginLesson(course, lesson, 3));
    EXPECT_EQ(CurrentLayoutRow(course, lesson)->LayoutX[2], 0);
    ASSERT_TRUE(BeginLesson(course, lesson, 4));
    EXPECT_EQ(CurrentLayoutRow(course, lesson), row);
    EXPECT_EQ(CurrentLayoutRow(course, lesson)->LayoutX[2], 20);
    EXPECT_EQ(course.Steering(4)->LayoutX[2], 0);
    lesson.CurrentRow = 99;
    EXPECT_EQ(CurrentLayoutRow(course, lesson), nullptr);
}

} // namespace
} // namespace lumora
