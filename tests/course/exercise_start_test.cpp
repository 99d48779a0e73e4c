#include "course/exercise_start.h"
#include "course_builder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

class ExerciseStartTest : public testing::Test {
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
        ClearExerciseScreens();
    }
    void TearDown() override { ClearExerciseScreens(); }

    test::CourseBuilder b;
    CourseData course;
};

TEST_F(ExerciseStartTest, SelectsDataRowsByLowerCasedKey) {
    SelectDataRows(course, "Kuchnia_1");
    EXPECT_EQ(course.SelectedRows, (std::vector<int>{1, 3}));
    EXPECT_EQ(course.SelectedDone, (std::vector<int>{0, 0}));
    EXPECT_EQ(course.SelectedCount(), 2);
    SelectDataRows(course, "nothing");
    EXPECT_EQ(course.SelectedCount(), 0);
}

TEST_F(ExerciseStartTest, SetsTheCurrentValuesAndOpensTheRegisteredScreen) {
    std::vector<int> opened;
    for (int code : {30, 31, 32, 35, 2, 9}) {
        RegisterExerciseScreen(code, [&opened](CourseData& c) { opened.push_back(c.CurrentCode); });
    }
    StartExercise(course, 3); // the added typing row of the vocabulary lesson
    EXPECT_EQ(course.CurrentRow, 3);
    EXPECT_EQ(course.CurrentCode, 32);
    EXPECT_EQ(course.CurrentContent, "Kuchnia_1");
    EXPECT_EQ(course.SelectedRows, (std::vector<int>{1, 3}));

    course.SelectedDone[0] = 1;
    StartExercise(course, 4); // a story record: no data rows are selected
    EXPECT_EQ(course.CurrentCode, 35);
    EXPECT_EQ(course.CurrentContent, "7");
    EXPECT_EQ(course.SelectedRows, (std::vector<int>{1, 3}));

    StartExercise(course, 6); // the gap-filling row added after the sentence row
    EXPECT_EQ(course.CurrentCode, 9);
    EXPECT_EQ(course.SelectedRows, (std::vector<int>{2}));
    EXPECT_EQ(opened, (std::vector<int>{32, 35, 9}));

    StartExercise(course, 8); // a game reads its own files, whatever its content key
    EXPECT_EQ(course.CurrentCode, 41);
    EXPECT_EQ(course.SelectedRows, (std::vector<int>{2}));
}

TEST_F(ExerciseStartTest, UnknownCodesAndIndicesOpenNothing) {
    int opened = 0;
    RegisterExerciseScreen(35, [&opened](CourseData&) { ++opened; });
    StartExercise(course, 7); // Code 77
    EXPECT_EQ(course.CurrentCode, 77);
    StartExercise(course, 0);
    StartExercise(course, 99);
    EXPECT_EQ(course.CurrentRow, 7);
    EXPECT_EQ(opened, 0);
}

} // namespace
} // namespace lumora
