#include "course/topic_list_layout.h"
#include "course_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumora {
namespace {

// Every character is 7 pixels wide (8 in bold); lines are 16 pixels high.
int Width(const std::string& text, bool bold) {
    return static_cast<int>(text.size()) * (bold ? 8 : 7);
}
int Height(const std::string&, bool) {
    return 16;
}

class TopicListTest : public testing::Test {
  protected:
    TopicListLayout Lay(int align, const std::vector<int>& doneRows = {}) {
        course = b.Load();
        TopicListStyle style = TopicStyle(course, "dom", {});
        style.align = align;
        return LayOutTopicList(
            course, TopicLessons(course, "dom"), style, Width, Height, [&](int row) {
                return std::find(doneRows.begin(), doneRows.end(), row) != doneRows.end();
            });
    }

    test::CourseBuilder b;
    CourseData course;
};

std::vector<std::string> Describe(const TopicListLayout& l) {
    std::vector<std::string> out;
    for (const auto& i : l.items) {
        const char* kind = i.kind == TopicListItem::Kind::Heading ? "H "
                           : i.kind == TopicListItem::Kind::Title ? "T "
                                                                  : "I ";
        out.push_back(
            kind + (i.kind == TopicListItem::Kind::Icon ? std::to_string(i.code) : i.text) + " " +
            std::to_string(i.x) + "," + std::to_string(i.y) + (i.done ? " done" : ""));
    }
    return out;
}

TEST_F(TopicListTest, SectionsLinesAndIconsFortyPixelsApart) {
    b.Write("Steruj.t", "dom=d_1=30==Words==28,60=11=\n"
                        "dom=zd=1==Sentences 1====\n"
                        "kuchnia=k=30==Other topic====\n"
                        "dom=1=35==The story====\n"
                        "dom=2=36==Drag====\n");
    const auto layout = Lay(1, {2, 5});
    // y: -4 +7 = 3 heading, +16 = 19 title line, +20 = 39, +7 = 46 heading ...
    EXPECT_EQ(Describe(layout), (std::vector<std::string>{
                                    "H Vocabulary 1,3",
                                    "T Words 1,19",
                                    "I 30 40,19",
                                    "I 31 80,19 done",
                                    "I 32 120,19",
                                    "H Sentences 1,46",
                                    "T Sentences 1 1,62",
                                    "I 1 40,62",
                                    "I 9 80,62 done",
                                    "H Story 1,89",
                                    "T The story 1,105",
                                    "I 35 40,105",
                                    "I 36 80,105",
                                }));
    ASSERT_EQ(layout.hitAreas.size(), 7u);
    EXPECT_EQ(layout.hitAreas[1].left, 80);
    EXPECT_EQ(layout.hitAreas[1].top, 19);
    EXPECT_EQ(layout.hitAreas[1].right, 110);
    EXPECT_EQ(layout.hitAreas[1].bottom, 39);
    EXPECT_EQ(layout.hitAreas[1].row, 2);
    EXPECT_EQ(layout.hitAreas[6].row, 8);
    EXPECT_EQ(layout.hitAreas[6].code, 36);
}

TEST_F(TopicListTest, RightAlignedTitlesAndHeadingsEndAtTheEdge) {
    b.Write("Steruj.t", "dom=d_1=30==Words==28,60=10=\ndom=s=40==Find the words====\n");
    const auto layout = Lay(2);
    const auto& items = layout.items;
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].x, 445 - 10 * 8); // "Vocabulary" in bold
    EXPECT_EQ(items[1].x, 445 - 5 * 7);  // "Words"
    EXPECT_EQ(items[2].x, 40);           // IconOffset 0, one step right
    EXPECT_EQ(items[4].text, "Various");
    EXPECT_EQ(items[4].x, 445 - 7 * 8);
    EXPECT_EQ(items[5].x, 445 - 14 * 7);
}

TEST_F(TopicListTest, WordSearchIsATitleInGreenOnceDone) {
    b.Write("Steruj.t", "dom=s=40==Find the words====\n");
    const auto plain = Lay(1);
    ASSERT_EQ(plain.items.size(), 2u);
    EXPECT_EQ(plain.items[1].colour, kBlack);
    const auto done = Lay(1, {1});
    EXPECT_EQ(done.items[1].colour, kDoneGreen);
}

TEST_F(TopicListTest, TheListColourShowsOnlyBeforeTheFirstHeading) {
    auto rows = test::TopicRows();
    rows[3] = "dom=10=20=1=100=white=30=40=black=";
    std::string ini = "x\ncharset=238\n\n\n";
    for (const auto& r : rows) {
        ini += r + "\n";
    }
    b.Write("ini.t", ini);
    b.Write("Steruj.t", "dom=z=5==Extra====\ndom=d=30==Words====\n");
    const auto layout = Lay(1);
    ASSERT_EQ(layout.items.size(), 4u);
    EXPECT_EQ(layout.items[0].colour, kWhite);
    EXPECT_TRUE(layout.items[0].bold);
    EXPECT_EQ(layout.items[2].colour, kBlack);
    EXPECT_FALSE(layout.items[2].bold);
    EXPECT_EQ(layout.items[3].x, 140); // IconOffset 100 plus one step
}

TEST_F(TopicListTest, ATopicWithoutItsRowKeepsTheColourAndOffsetBeforeIt) {
    auto rows = test::TopicRows();
    rows[3] = "dom=10=20=2=100=white=30=40=black=";
    std::string ini = "x\ncharset=238\n\n\n";
    for (const auto& r : rows) {
        ini += r + "\n";
    }
    b.Write("ini.t", ini);
    course = b.Load();
    const TopicListStyle dom = TopicStyle(course, "dom", {});
    EXPECT_EQ(dom.align, 2);
    const TopicListStyle none = TopicStyle(course, "no_row", dom);
    EXPECT_EQ(none.align, 1);
    EXPECT_EQ(none.listColour, kWhite);
    EXPECT_EQ(none.iconOffset, 100);
    EXPECT_EQ(none.width, dom.width);
}

TEST_F(TopicListTest, SharedEdgeBelongsToTheUpperLesson) {
    b.Write("Steruj.t", "dom=a=30==A====\ndom=b=30==B====\n");
    const auto layout = Lay(1);
    ASSERT_EQ(layout.hitAreas.size(), 2u);
    const int edge = layout.hitAreas[0].bottom;
    EXPECT_EQ(edge, layout.hitAreas[1].top);
    EXPECT_EQ(HitTest(layout.hitAreas, 50, edge)->row, 1);
    EXPECT_EQ(HitTest(layout.hitAreas, 50, edge + 1)->row, 2);
    EXPECT_EQ(HitTest(layout.hitAreas, 20, edge), nullptr);
}

TEST_F(TopicListTest, AtMostThirtyLessonsPerTopic) {
    std::string text;
    for (int i = 0; i < 32; ++i) {
        text += "dom=w" + std::to_string(i) + "=40==W====\n";
    }
    b.Write("Steruj.t", text);
    course = b.Load();
    const auto rows = TopicLessons(course, "dom");
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows.back(), 30);
    EXPECT_TRUE(TopicLessons(course, "Dom").empty());
}

} // namespace
} // namespace lumora
