#include "course_builder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::CourseBuilder;

CourseData LoadSteering(CourseBuilder& b, const std::string& steering, bool stop = true) {
    b.Write("Steruj.t", steering);
    return b.Load(stop);
}

TEST(SteeringFile, TheKitchenExampleRow) {
    CourseBuilder b;
    const CourseData c =
        LoadSteering(b, "kuchnia=kuchnia_1=30=kuchnia1.bmp=Words=x=28,60*32,64=10=\n");
    ASSERT_EQ(c.SteeringTable.size(), 2u);
    const SteeringRow& r = c.SteeringTable[0];
    EXPECT_EQ(r.TopicFolder, "kuchnia");
    EXPECT_EQ(r.Content, "kuchnia_1");
    EXPECT_EQ(r.Code, 30);
    EXPECT_EQ(r.Background, "kuchnia1.bmp");
    EXPECT_EQ(r.Title, "Words");
    EXPECT_EQ(r.Spare, "x");
    EXPECT_EQ(r.LayoutCount, 2);
    EXPECT_EQ(r.LayoutX, (std::array<int, 8>{28, 32, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.LayoutY, (std::array<int, 8>{60, 64, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.Variants, "10");
    const SteeringRow& added = c.SteeringTable[1];
    EXPECT_EQ(added.Code, 31);
    EXPECT_EQ(added.Title, "Wybór (MC)");
    EXPECT_EQ(added.Content, "kuchnia_1");
    EXPECT_EQ(added.Background, "kuchnia1.bmp");
    EXPECT_EQ(added.LayoutCount, 2);
    EXPECT_EQ(added.LayoutX[1], 32);
    EXPECT_EQ(added.Variants, "");
    EXPECT_EQ(r.Line, 1);
    EXPECT_EQ(added.Line, 1); // the line of the row it was added after
}

TEST(SteeringFile, AddedRowsFollowTheirRowInOrder) {
    struct Case {
        std::string line;
        std::vector<int> codes;
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {"dom=d=30===== 11 =", {30, 31, 32}, {"", "Wybór (MC)", "Wpisywanie"}},
        {"dom=d=30=====01=", {30, 32}, {"", "Wpisywanie"}},
        {"dom=d=30======", {30}, {""}},
        {"dom=d=3=====11=", {3, 9}, {"", "Uzupełnianie"}},
        {"dom=d=5=====11=", {5}, {""}},
        {"dom=3=35======", {35}, {""}},
    };
    for (const auto& cs : cases) {
        CourseBuilder b;
        const CourseData c = LoadSteering(b, cs.line + "\n");
        std::vector<int> codes;
        std::vector<std::string> titles;
        for (const auto& r : c.SteeringTable) {
            codes.push_back(r.Code);
            titles.push_back(r.Title);
        }
        EXPECT_EQ(codes, cs.codes) << cs.line;
        EXPECT_EQ(titles, cs.titles) << cs.line;
    }
}

TEST(SteeringFile, AddedRowsCopyOnlySixPairs) {
    CourseBuilder b;
    const CourseData c = LoadSteering(b, "dom=d=1=bg.bmp=T=s=1,1*2,2*3,3*4,4*5,5*6,6*7,7*8,8==\n");
    ASSERT_EQ(c.SteeringTable.size(), 2u);
    EXPECT_EQ(c.SteeringTable[0].LayoutCount, 8);
    EXPECT_EQ(c.SteeringTable[0].LayoutX[7], 8);
    EXPECT_EQ(c.SteeringTable[1].LayoutX, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 0, 0}));
    EXPECT_EQ(c.SteeringTable[1].LayoutCount, 8);
}

TEST(SteeringFile, LayoutPairsWithAZeroAreStoredNotCounted) {
    CourseBuilder b;
    const CourseData c = LoadSteering(b, "dom=d=35=== x =0,40*5,6 ==\n");
    EXPECT_TRUE(b.Faults().empty());
    EXPECT_EQ(c.SteeringTable[0].LayoutCount, 1);
    EXPECT_EQ(c.SteeringTable[0].LayoutX[0], 0);
    EXPECT_EQ(c.SteeringTable[0].LayoutY[0], 40);
    EXPECT_EQ(c.SteeringTable[0].LayoutX[1], 5);
    EXPECT_EQ(c.SteeringTable[0].LayoutY[1], 6);
}

TEST(SteeringFile, CommentsAndBlankLinesAddNoRow) {
    CourseBuilder b;
    const CourseData c = LoadSteering(b, "//dom=d=35=====\n   \n\t\ndom=d=35======\n");
    EXPECT_EQ(c.SteeringTable.size(), 1u);
}

TEST(SteeringFile, ConversionFaultsNameTheLine) {
    struct Case {
        std::string line;
        std::string message;
    };
    const Case cases[] = {
        {"dom=d=3x======", "'3x' is not a valid integer value"},
        {"dom=d======", "'' is not a valid integer value"},
        {"dom=d=35====28,60*==", "'' is not a valid integer value"}, // trailing "*"
        {"dom=d=35====28;60==", "'' is not a valid integer value"},
        {"dom=d=35====a,1==", "'a' is not a valid integer value"},
    };
    for (const auto& cs : cases) {
        CourseBuilder b;
        const CourseData c = LoadSteering(b, "dom=d=35======\n" + cs.line + "\n");
        ASSERT_EQ(b.Faults().size(), 1u) << cs.line;
        EXPECT_EQ(b.Faults()[0].file, "Steruj.t");
        EXPECT_EQ(b.Faults()[0].line, 2);
        EXPECT_EQ(b.Faults()[0].message, cs.message) << cs.line;
        EXPECT_EQ(c.SteeringTable.size(), 1u);
        EXPECT_TRUE(c.InstructionTable.empty()) << "later steps are skipped";
    }
}

TEST(SteeringFile, MoreThanEightPairsKeepsTheFirstEight) {
    CourseBuilder b;
    const CourseData c = LoadSteering(b, "dom=d=35====1,1*2,2*3,3*4,4*5,5*6,6*7,7*8,8*9,9==\n");
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(c.SteeringTable[0].LayoutCount, 8);
    EXPECT_EQ(c.SteeringTable[0].LayoutX[7], 8);
}

TEST(SteeringFile, PairsAfterTheEighthAreNotConverted) {
    CourseBuilder b;
    const CourseData c =
        LoadSteering(b, "dom=d=35====1,1*2,2*3,3*4,4*5,5*6,6*7,7*8,8*nine,x*;;==\n");
    ASSERT_EQ(
        b.FaultMessages(),
        std::vector<std::string>{
            "Steruj.t:1: More than 8 layout pairs; the pairs after the eighth are not used."});
    EXPECT_EQ(c.SteeringTable[0].LayoutY, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(SteeringFile, LayoutValuesAreClampedToTheLayoutRange) {
    CourseBuilder b;
    const CourseData c = LoadSteering(b, "dom=d=35====2147483647,-2147483648*10000,-10001==\n");
    EXPECT_EQ(c.SteeringTable[0].LayoutX, (std::array<int, 8>{10000, 10000, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.SteeringTable[0].LayoutY, (std::array<int, 8>{-10000, -10000, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.SteeringTable[0].LayoutCount, 2);
    EXPECT_EQ(
        b.FaultMessages(),
        std::vector<std::string>{
            "Steruj.t:1: A layout value is outside -10000 to 10000; it is clamped to that range."});
}

TEST(SteeringFile, AFileWithoutLessonsIsReportedToTheChecker) {
    for (const std::string text : {"", "// only a comment\n\n"}) {
        CourseBuilder b;
        const CourseData c = LoadSteering(b, text);
        ASSERT_EQ(b.Faults().size(), 1u) << text;
        EXPECT_EQ(b.Faults()[0].message, "The file holds no lessons; every topic is empty.");
        EXPECT_EQ(c.RevealIndex.size(), 2u) << "the program goes on silently";
    }
}

TEST(SteeringFile, TheTableHolds350RowsAddedRowsIncluded) {
    CourseBuilder b;
    std::string text;
    for (int i = 0; i < 174; ++i) {
        text += "dom=d" + std::to_string(i) + "=1======\n"; // each gives two rows
    }
    text += "dom=last=35======\n"; // row 349
    text += "dom=over=1======\n";  // would need rows 350 and 351
    text += "dom=never=35======\n";
    const CourseData c = LoadSteering(b, text);
    EXPECT_EQ(c.SteeringTable.size(), 349u);
    EXPECT_EQ(c.SteeringTable.back().Content, "last");
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].line, 176);
    EXPECT_EQ(c.RevealIndex.size(), 2u) << "a full table does not stop the loading";
}

TEST(SteeringFile, CheckerModeReportsEveryFaultyLine) {
    CourseBuilder b;
    const CourseData c = LoadSteering(b, "dom=a=x======\ndom=b=35======\ndom=c=y======\n", false);
    ASSERT_EQ(b.Faults().size(), 2u);
    EXPECT_EQ(b.Faults()[0].line, 1);
    EXPECT_EQ(b.Faults()[1].line, 3);
    ASSERT_EQ(c.SteeringTable.size(), 1u);
    EXPECT_EQ(c.SteeringTable[0].Content, "b");
}

} // namespace
} // namespace lumora
