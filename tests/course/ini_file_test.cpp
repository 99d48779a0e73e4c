#include "course_builder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::CourseBuilder;
using test::IniText;

TEST(IniFile, TopicRowsAndCharset) {
    CourseBuilder b;
    auto rows = test::TopicRows();
    rows[2] = "miejsca=510=80=2=24=black=30=545= White =";
    // The first eight characters of line 2 are skipped, whatever they are.
    std::string ini = "x\nkodowań=186\n\n\n";
    for (const auto& r : rows) {
        ini += r + "\n";
    }
    ini += "\n\n*** hinty\n*** end\n";
    b.Write("ini.t", ini);
    const CourseData c = b.Load();
    EXPECT_TRUE(b.Faults().empty());
    EXPECT_EQ(c.FontCharset, 186);
    const TopicRow& t = c.TopicTable[2];
    EXPECT_EQ(t.FolderName, "miejsca");
    EXPECT_EQ(t.ListLeft, 510);
    EXPECT_EQ(t.ListTop, 80);
    EXPECT_EQ(t.ListAlign, 2);
    EXPECT_EQ(t.IconOffset, 24);
    EXPECT_EQ(t.ListColour, Colour::Black);
    EXPECT_EQ(t.DescLeft, 30);
    EXPECT_EQ(t.DescTop, 545);
    EXPECT_EQ(t.DescColour, Colour::White);
    EXPECT_EQ(c.FindTopic("miejsca"), &c.TopicTable[2]);
    EXPECT_EQ(c.FindTopic("Miejsca"), nullptr);
}

TEST(IniFile, TopicPositionsAreClampedToTheLayoutRange) {
    CourseBuilder b;
    auto rows = test::TopicRows();
    rows[0] = "czas_wolny=2147483647=-2147483648=1=2147483600=black=99999=0=black=";
    b.Write("ini.t", IniText({"*** hinty"}, {"*** end"})
                         .replace(IniText({}, {}).find(test::TopicRows()[0]),
                                  test::TopicRows()[0].size(), rows[0]));
    const CourseData c = b.Load();
    const TopicRow& t = c.TopicTable[0];
    EXPECT_EQ(t.ListLeft, 10000);
    EXPECT_EQ(t.ListTop, -10000);
    EXPECT_EQ(t.IconOffset, 10000);
    EXPECT_EQ(t.DescLeft, 10000);
    EXPECT_EQ(b.FaultMessages(),
              std::vector<std::string>{
                  "ini.t:5: A position is outside -10000 to 10000; it is clamped to that range."});
}

TEST(IniFile, EntriesAreNumberedByNonEmptyLines) {
    CourseBuilder b;
    b.Write("ini.t", IniText({"7==Yes", "   ", "1==No", "5=a=b=c ", "*** hinty"},
                             {"x=y=Hint one", "*** end", "after==ignored"}));
    const CourseData c = b.Load();
    EXPECT_EQ(c.TextCount, 4);
    EXPECT_EQ(c.GetText(1), "Yes");
    EXPECT_EQ(c.GetText(2), "No");
    EXPECT_EQ(c.GetText(3), "b=c "); // after the second "=", untrimmed
    EXPECT_EQ(c.GetText(4), "*** hinty");
    EXPECT_EQ(c.GetText(5), "not found!");
    EXPECT_EQ(c.GetText(0), "not found!");
    EXPECT_EQ(c.GetText(201), "not found!");
    EXPECT_EQ(c.HintCount, 2);
    EXPECT_EQ(c.GetHint(1), "Hint one");
    EXPECT_EQ(c.GetHint(2), "*** end");
    EXPECT_EQ(c.GetHint(3), "not found!");
}

TEST(IniFile, EmptyEntryAnswersNotFound) {
    CourseBuilder b;
    b.Write("ini.t", IniText({"1==", "*** hinty"}, {"*** end"}));
    const CourseData c = b.Load();
    EXPECT_EQ(c.TextCount, 2);
    EXPECT_EQ(c.GetText(1), "not found!");
}

TEST(IniFile, MissingMarkersEndAtTheEndOfTheFile) {
    CourseBuilder b;
    b.Write("ini.t", IniText({"1==one", "2==two"}, {}));
    const CourseData c = b.Load();
    EXPECT_EQ(c.TextCount, 2);
    EXPECT_EQ(c.HintCount, 0);
    EXPECT_FALSE(c.SteeringTable.empty()); // later loading still ran
    // The program stays silent; the checker names both lost markers.
    EXPECT_EQ(
        b.FaultMessages(),
        (std::vector<std::string>{
            "ini.t:0: The marker line \"*** hinty\" is missing; the file ends inside its section.",
            "ini.t:0: The marker line \"*** end\" is missing; the file ends inside its section."}));
}

TEST(IniFile, TextsBeyondTheTableAreRefusedOneByOne) {
    CourseBuilder b;
    std::vector<std::string> texts;
    for (int i = 1; i <= 202; ++i) {
        texts.push_back("n==text " + std::to_string(i));
    }
    texts.push_back("*** hinty");
    b.Write("ini.t", IniText(texts, {"==h", "*** end"}));
    const CourseData c = b.Load();
    EXPECT_EQ(c.TextCount, 200);
    EXPECT_EQ(c.GetText(200), "text 200");
    // Lines 201, 202 and the marker itself do not fit; the section still ends there.
    ASSERT_EQ(b.Faults().size(), 3u);
    EXPECT_EQ(b.Faults()[0].message, "mamy_teksty wychodzi poza zakres tablicy!!!");
    EXPECT_EQ(b.Faults()[0].line, 18 + 201);
    EXPECT_EQ(c.GetHint(1), "h");
}

TEST(IniFile, MissingFileGivesEmptyTablesAndLoadingGoesOn) {
    CourseBuilder b;
    b.Remove("ini.t");
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].message, "No ini file: " + b.DataRoot() + "ini.t");
    EXPECT_EQ(c.GetText(1), "not found!");
    EXPECT_EQ(c.TopicTable[0].FolderName, "");
    EXPECT_EQ(c.SteeringTable.size(), 4u);
}

TEST(IniFile, BadTopicNumberStopsTheStartupLoading) {
    CourseBuilder b;
    auto rows = test::TopicRows();
    std::string ini = "x\ncharset=238\n\n\n";
    rows[0] = "czas_wolny=10=1O=1=0=black=0=0=black=";
    for (const auto& r : rows) {
        ini += r + "\n";
    }
    b.Write("ini.t", ini);
    const CourseData c = b.Load();
    ASSERT_EQ(b.Faults().size(), 1u);
    EXPECT_EQ(b.Faults()[0].file, "ini.t");
    EXPECT_EQ(b.Faults()[0].line, 5);
    EXPECT_EQ(b.Faults()[0].message, "'1O' is not a valid integer value");
    EXPECT_TRUE(c.SteeringTable.empty());
}

TEST(IniFile, ShortFileFailsOnItsFirstMissingTopicRow) {
    CourseBuilder b;
    b.Write("ini.t", "x\ncharset=238\n\n\nczas_wolny=1=2=1=0=black=0=0=black=\n");
    CourseData c = b.Load(false);
    ASSERT_EQ(b.Faults().size(), 13u); // eleven topic rows, then the two markers
    EXPECT_EQ(b.Faults()[0].line, 6);
    EXPECT_EQ(c.TopicTable[0].FolderName, "czas_wolny");
}

} // namespace
} // namespace lumora
