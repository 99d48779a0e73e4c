#include "exercises/definitions/definitions_board.h"
#include "exercises/definitions/definitions_check.h"
#include "exercises/definitions/definitions_content.h"
#include "platform/random.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using Items = std::vector<DefinitionItem>;

std::string ParseError(const std::string& body) {
    auto parsed = ParseDefinitionsContent(body);
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "";
}

std::string ItemsText(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += "w" + std::to_string(i) + "*d#";
    }
    return s;
}

TEST(DefinitionsContent, WordsAndDefinitionsAsWritten) {
    auto parsed = ParseDefinitionsContent("38#guitar*an <I>instrument</I>#board game *a game# \r");
    ASSERT_TRUE(std::holds_alternative<Items>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<Items>(parsed),
              (Items{{"guitar", "an <I>instrument</I>"}, {"board game ", "a game"}}));
    EXPECT_TRUE(std::holds_alternative<Items>(ParseDefinitionsContent("38#" + ItemsText(12))));
}

TEST(DefinitionsContent, ALastDefinitionWithoutItsHashAndAHashInAWordAreRead) {
    auto parsed = ParseDefinitionsContent("38#cat*an animal#dog*a pet \r");
    ASSERT_TRUE(std::holds_alternative<Items>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<Items>(parsed), (Items{{"cat", "an animal"}, {"dog", "a pet \r"}}));
    parsed = ParseDefinitionsContent("38#C#*a language#");
    ASSERT_TRUE(std::holds_alternative<Items>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<Items>(parsed), (Items{{"C#", "a language"}}));
}

TEST(DefinitionsContent, ItemsTheScreenCannotShowAreRefused) {
    EXPECT_EQ(ParseError("38#cat*an animal#dog - an animal#"),
              "Item 2: it has no \"*\" between its word and its definition.");
    EXPECT_EQ(ParseError("38#" + ItemsText(13)), "More than 12 items.");
    EXPECT_EQ(ParseError("38#  "), "The exercise has no items.");
}

TEST(DefinitionsContent, ShuffleGivesAFixedOrderForASeedAndLeavesOneItemAlone) {
    FixRandomSeed(3);
    EXPECT_EQ(ShuffleLabels(5), (std::vector<int>{0, 2, 3, 4, 1}));
    ReleaseRandomSeed();
    EXPECT_EQ(ShuffleLabels(1), (std::vector<int>{0}));
}

struct Finding {
    LoadFault fault;
    FaultKind kind;
};

std::vector<Finding> Check(const CourseData& course, const StyledMeasure& measure = {}) {
    std::vector<Finding> found;
    LoadReport report([&](const LoadFault& f) { found.push_back({f, f.kind}); }, false);
    CheckDefinitionsLessons(course, report, measure);
    return found;
}

CourseData CourseWith(const std::vector<std::string>& bodies) {
    CourseData course;
    int number = 20;
    for (const auto& body : bodies) {
        SteeringRow row;
        row.TopicFolder = "praca";
        row.Code = kDefinitionsCode;
        row.Content = std::to_string(number);
        course.SteeringTable.push_back(row);
        course.StTable[static_cast<std::size_t>(number)] = StRecord{"head", body, "", 3 * number};
        ++number;
    }
    return course;
}

TEST(DefinitionsCheck, NamesRefusedLessonsAndWarnsAboutHiddenParts) {
    CourseData course = CourseWith({"38#cat*an animal#dog#", "38#" + ItemsText(12), "38#a*b#"});
    course.SteeringTable[2].Content = "7";
    // Ten pixels a character: twelve definitions of one line need
    // 11 x 24 + 2 + 17 = 283 pixels of the 313.
    const auto measure = [](std::string_view text, TextStyle) {
        return static_cast<int>(text.size()) * 10;
    };
    auto found = Check(course, measure);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].fault.file, "St.t");
    EXPECT_EQ(found[0].fault.message, "Lesson 1 (praca, record 20): Item 2: it has no \"*\" "
                                      "between its word and its definition.");
    EXPECT_EQ(found[0].fault.line, 61); // the content, below the head on line 60
    EXPECT_EQ(found[0].kind, FaultKind::Message);
    EXPECT_EQ(found[1].fault.file, "Steruj.t");
    EXPECT_EQ(found[1].fault.message, "Lesson 3 (praca, record 7): the course has no such record.");

    // A first word wider than the box and a second one after it: three lines.
    std::string longer = "38#";
    for (int i = 0; i < 12; ++i) {
        longer += "w" + std::to_string(i) + "*" + std::string(60, 'x') + " y#";
    }
    course = CourseWith({longer});
    course.SteeringTable[0].LayoutY[2] = 230; // the pool starts low
    found = Check(course, measure);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].kind, FaultKind::CheckOnly);
    EXPECT_EQ(found[0].fault.message,
              "Lesson 1 (praca, record 20): the word pool reaches down to the definitions.");
    EXPECT_EQ(found[1].fault.message,
              "Lesson 1 (praca, record 20): the definitions run below their box (691 of 313 "
              "pixels).");
}

} // namespace
} // namespace lumora
