#include "course/course_loaders.h"
#include "course/user_settings.h"
#include "course_builder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::CourseBuilder;

TEST(UserSettings, FirstStartWritesTheDefaults) {
    CourseBuilder b;
    const CourseData c = b.Load();
    EXPECT_EQ(b.Folder().ReadBytes("user/ini_hdd.t"), "anim_menu=0\r\nsample=1\r\nautoplay=0\r\n");
    EXPECT_EQ(b.Settings().AnimMenu, 0);
    EXPECT_EQ(b.Settings().SoundSet, 1);
    EXPECT_EQ(b.Settings().AutoPlay, 0);
}

TEST(UserSettings, ValuesAreReadByLinePosition) {
    CourseBuilder b;
    b.Folder().WriteBytes("user/ini_hdd.t", "anim_menu=1\r\nsample=4\r\nXXXXXXXXX1\n");
    const CourseData c = b.Load();
    EXPECT_TRUE(b.Faults().empty());
    EXPECT_EQ(b.Settings().AnimMenu, 1);
    EXPECT_EQ(b.Settings().SoundSet, 4);
    EXPECT_EQ(b.Settings().AutoPlay, 1);
}

TEST(UserSettings, DamagedValueKeepsItsDefaultAndTheCourseLoads) {
    CourseBuilder b;
    b.Folder().WriteBytes("user/ini_hdd.t", "anim_menu=1\r\nsample=x\r\n");
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 2u);
    EXPECT_EQ(b.Faults()[0].line, 2);
    EXPECT_EQ(b.Faults()[1].line, 3);
    EXPECT_EQ(b.Settings().AnimMenu, 1);
    EXPECT_EQ(b.Settings().SoundSet, 1);
    EXPECT_EQ(b.Settings().AutoPlay, 0);
    EXPECT_EQ(c.SteeringTable.size(), 4u);
}

TEST(UserSettings, SaveRewritesTheThreeLines) {
    CourseBuilder b;
    const CourseData c = b.Load();
    const UserSettings settings{.AnimMenu = 1, .SoundSet = 3, .AutoPlay = 1};
    EXPECT_FALSE(SaveUserSettings(c, settings));
    EXPECT_EQ(b.Folder().ReadBytes("user/ini_hdd.t"), "anim_menu=1\r\nsample=3\r\nautoplay=1\r\n");
}

TEST(Instructions, LaterNumberWinsAndUnknownIsEmpty) {
    CourseBuilder b;
    b.Write("Polecenia/polecenia.txt", "5==first\n7=x=seven = with = signs \n5==second\n");
    const CourseData c = b.Load();
    ASSERT_EQ(c.InstructionTable.size(), 3u);
    EXPECT_EQ(c.InstructionText(5), "second");
    EXPECT_EQ(c.InstructionText(7), "seven = with = signs ");
    EXPECT_EQ(c.InstructionText(8), "");
}

TEST(Instructions, MissingFileIsSilent) {
    CourseBuilder b;
    b.Remove("Polecenia/polecenia.txt");
    const CourseData c = b.Load();
    EXPECT_TRUE(b.Faults().empty());
    EXPECT_TRUE(c.InstructionTable.empty());
}

TEST(Instructions, EmptyLineInTheMiddleIsAConversionError) {
    CourseBuilder b;
    b.Write("Polecenia/polecenia.txt", "1==a\n\n2==b\n");
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].file, "Polecenia/polecenia.txt");
    EXPECT_EQ(b.Faults()[0].line, 2);
    EXPECT_EQ(c.InstructionTable.size(), 1u);
    EXPECT_TRUE(c.RevealIndex.empty()); // the step after it was skipped
}

TEST(Instructions, TheTableHoldsFifty) {
    CourseBuilder b;
    std::string text;
    for (int i = 1; i <= 52; ++i) {
        text += std::to_string(i) + "==t" + std::to_string(i) + "\n";
    }
    b.Write("Polecenia/polecenia.txt", text);
    const CourseData c = b.Load();
    EXPECT_EQ(c.InstructionTable.size(), 50u);
    EXPECT_EQ(c.InstructionText(50), "t50");
    EXPECT_EQ(c.InstructionText(51), "");
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].line, 51);
    EXPECT_EQ(c.RevealIndex.size(), 2u);
}

} // namespace
} // namespace lumora
