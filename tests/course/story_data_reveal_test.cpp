#include "course/reveal_index.h"
#include "course_builder.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>

namespace lumora {
namespace {

using test::CourseBuilder;

TEST(DataFile, FieldsAreTrimmedAndKeysLowerCased) {
    CourseBuilder b;
    b.Write("data.t",
            "// comment that is long enough\n"
            " Kuchnia = Kuchnia_1 = a spoon = x = łyżka = Spoon.BMP = 1 = spoon.wav = f9 = 30 "
            "= 11 = f12 = 13 = f14 = f15 =\n"
            "a=b=c=d\n"            // 7 characters: skipped
            "ŻÓŁW=Zoo=turtle=\n"); // short row: later fields empty
    const CourseData c = b.Load();
    EXPECT_TRUE(b.Faults().empty());
    ASSERT_EQ(c.DataTable.size(), 2u);
    const DataRow& r = c.DataTable[0];
    EXPECT_EQ(r.TopicKey, "kuchnia");
    EXPECT_EQ(r.GroupKey, "kuchnia_1");
    EXPECT_EQ(r.EnglishText, "a spoon");
    EXPECT_EQ(r.Field4, "x");
    EXPECT_EQ(r.PolishText, "łyżka");
    EXPECT_EQ(r.PictureFile, "Spoon.BMP");
    EXPECT_TRUE(r.Field7);
    EXPECT_EQ(r.SoundFile, "spoon.wav");
    EXPECT_EQ(r.Field9, "f9");
    EXPECT_EQ(r.KindCode, 30);
    EXPECT_EQ(r.Field11, 11);
    EXPECT_EQ(r.Field12, "f12");
    EXPECT_EQ(r.Field13, 13);
    EXPECT_EQ(r.Field14, "f14");
    EXPECT_EQ(r.Field15, "f15");
    EXPECT_EQ(c.DataTable[1].TopicKey, "żółw");
    EXPECT_EQ(c.DataTable[1].EnglishText, "turtle");
    EXPECT_EQ(c.DataTable[1].KindCode, 0);
}

TEST(DataFile, NonNumericKindIsAConversionError) {
    CourseBuilder b;
    b.Write("data.t", "dom=dom_1=cat==kot=cat.bmp=0=cat.wav==thirty=\n");
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].file, "data.t");
    EXPECT_EQ(b.Faults()[0].line, 1);
    EXPECT_TRUE(c.SteeringTable.empty()); // St.t and Steruj.t come after data.t
}

TEST(DataFile, ALineWithoutSeparatorsIsReportedToTheChecker) {
    CourseBuilder b;
    b.Write("data.t", "dom=dom_1=cat==kot=cat.bmp=0=cat.wav=====\na sentence without fields\n");
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].line, 2);
    EXPECT_EQ(b.Faults()[0].message, "The line has no \"=\"; every field of the row is empty.");
    ASSERT_EQ(c.DataTable.size(), 2u); // the program keeps the empty row, as before
    EXPECT_EQ(c.DataTable[1].TopicKey, "");
}

TEST(DataFile, MissingFileIsSilentAndReadingStopsAt2000Rows) {
    CourseBuilder b;
    b.Remove("data.t");
    EXPECT_TRUE(b.Load().DataTable.empty());
    EXPECT_TRUE(b.Faults().empty());

    std::string text;
    for (int i = 1; i <= 2001; ++i) {
        text += "dom=g=word" + std::to_string(i) + "=\n";
    }
    b.Write("data.t", text);
    const CourseData c = b.Load();
    EXPECT_EQ(c.DataTable.size(), 2000u);
    EXPECT_EQ(c.DataTable.back().EnglishText, "word2000");
}

TEST(StFile, RecordsOfThreeLines) {
    CourseBuilder b;
    b.Write("St.t", "* a comment\n\n"
                    "12#Head#x# \n  body  \ntail\n"
                    "*\n"
                    "3#Second\nb3\n"); // ends early: tail empty
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 1u); // for the checker only; the record stays
    EXPECT_EQ(b.Faults()[0].line, 7);
    EXPECT_EQ(b.Faults()[0].message, "The file ends before the record's two body lines.");
    EXPECT_EQ(c.StCount, 2);
    ASSERT_NE(c.St(12), nullptr);
    EXPECT_EQ(c.St(12)->StHead, "12#Head#x#");
    EXPECT_EQ(c.St(12)->StBody, "body");
    EXPECT_EQ(c.St(12)->StTail, "tail");
    ASSERT_NE(c.St(3), nullptr);
    EXPECT_EQ(c.St(3)->StBody, "b3");
    EXPECT_EQ(c.St(3)->StTail, "");
    EXPECT_EQ(c.St(1), nullptr);
}

TEST(StFile, BodyLinesAreTakenWhateverTheyHold) {
    CourseBuilder b;
    b.Write("St.t", "1#h\n*starred body\n\n2#h2\nb\nt\n");
    const CourseData c = b.Load();
    EXPECT_EQ(c.St(1)->StBody, "*starred body");
    EXPECT_EQ(c.St(1)->StTail, "");
    EXPECT_EQ(c.St(2)->StBody, "b");
}

TEST(StFile, ALaterRecordReplacesAnEarlierOne) {
    CourseBuilder b;
    b.Write("St.t", "4#old\nb\nt\n4#new\nb2\nt2\n");
    const CourseData c = b.Load();
    EXPECT_EQ(c.St(4)->StHead, "4#new");
    EXPECT_EQ(c.StCount, 2);
}

TEST(StFile, FaultyRecordNumbers) {
    struct Case {
        std::string head;
        bool fatal;
    };
    const Case cases[] = {{"x#h", true}, {"no hash", true}, {"0#h", false}, {"201#h", false}};
    for (const auto& cs : cases) {
        CourseBuilder b;
        b.Write("St.t", "1#ok\nb\nt\n" + cs.head + "\nb\nt\n");
        const CourseData c = b.Load();
        ASSERT_EQ(b.Faults().size(), 1u) << cs.head;
        EXPECT_EQ(b.Faults()[0].line, 4);
        EXPECT_NE(c.St(1), nullptr);
        EXPECT_EQ(c.SteeringTable.empty(), cs.fatal) << cs.head;
    }
}

TEST(StFile, MissingFileStopsTheLoading) {
    CourseBuilder b;
    b.Remove("St.t");
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].file, "St.t");
    EXPECT_NE(b.Faults()[0].message.find("Cannot open file"), std::string::npos);
    EXPECT_EQ(c.DataTable.size(), 2u);
    EXPECT_TRUE(c.SteeringTable.empty());
}

TEST(RevealIndex, EveryLineIsAnEntry) {
    CourseBuilder b;
    b.Write("odkrywanki/idx.t", " kot = cat.bmp \n\nno separator \na=b=c\n");
    const CourseData c = b.Load();
    ASSERT_EQ(c.RevealIndex.size(), 4u);
    EXPECT_EQ(c.RevealIndex[0].name, "kot");
    EXPECT_EQ(c.RevealIndex[0].value, "cat.bmp");
    EXPECT_EQ(c.RevealIndex[1].name, "");
    EXPECT_EQ(c.RevealIndex[1].value, "");
    EXPECT_EQ(c.RevealIndex[2].name, "");
    EXPECT_EQ(c.RevealIndex[2].value, "no separator");
    EXPECT_EQ(c.RevealIndex[3].value, "b=c");
}

TEST(RevealIndex, HoldsOneHundredEntries) {
    for (int lines : {100, 101}) {
        CourseBuilder b;
        std::string text;
        for (int i = 1; i <= lines; ++i) {
            text += "w" + std::to_string(i) + "=p.bmp\n";
        }
        b.Write("odkrywanki/idx.t", text);
        const CourseData c = b.Load();
        EXPECT_EQ(c.RevealIndex.size(), 100u);
        if (lines == 100) {
            EXPECT_TRUE(b.Faults().empty());
        } else {
            ASSERT_EQ(b.Faults().size(), 1u);
            EXPECT_EQ(b.Faults()[0].message,
                      "Ilosc danych wieksza od zadeklarowanej stalej \"max_odkrywanki\"");
            EXPECT_EQ(b.Faults()[0].line, 101);
        }
    }
}

TEST(NextRevealPick, EachEntryOnceBeforeAnyAgain) {
    CourseBuilder b;
    b.Write("odkrywanki/idx.t", "a=1\nb=2\nc=3\n");
    const CourseData c = b.Load();
    RevealDraw draw;
    FixRandomSeed(7);
    std::set<int> firstRound;
    for (int i = 0; i < 3; ++i) {
        firstRound.insert(NextRevealPick(c, draw));
    }
    EXPECT_EQ(firstRound, (std::set<int>{1, 2, 3}));
    const int fourth = NextRevealPick(c, draw);
    EXPECT_GE(fourth, 1);
    EXPECT_LE(fourth, 3);
    EXPECT_EQ(draw.UsedCount, 1);
    ReleaseRandomSeed();
}

TEST(NextRevealPick, EmptyIndexGivesZeroInsteadOfLooping) {
    const CourseData c;
    RevealDraw draw;
    EXPECT_EQ(NextRevealPick(c, draw), 0);
}

} // namespace
} // namespace lumora
