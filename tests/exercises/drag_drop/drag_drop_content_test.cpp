#include "exercises/drag_drop/drag_drop_check.h"
#include "exercises/drag_drop/drag_drop_content.h"
#include "platform/random.h"

#include <gtest/gtest.h>

namespace lumora {

void PrintTo(const TableWord& w, std::ostream* os) {
    *os << w.text << "*" << w.column;
}

namespace {

DragDropContent Parse(const std::string& body) {
    auto parsed = ParseDragDropContent(body);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        ADD_FAILURE() << *error;
        return {};
    }
    return std::get<DragDropContent>(parsed);
}

std::string ParseError(const std::string& body) {
    auto parsed = ParseDragDropContent(body);
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "";
}

std::string Words(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += "w" + std::to_string(i) + "*1#";
    }
    return s;
}

TEST(DragDropContent, ColumnsRowsHeadersAndWords) {
    const auto c = Parse("36#2#5#People#Things#  Kate *1#Mr Brown*1#board game*2#  \r\n");
    EXPECT_EQ(c.columns, 2);
    EXPECT_EQ(c.rows, 5);
    EXPECT_EQ(c.headers, (std::vector<std::string>{"People", "Things"}));
    EXPECT_EQ(c.words, (std::vector<TableWord>{{"Kate", 1}, {"Mr Brown", 1}, {"board game", 2}}));
}

TEST(DragDropContent, ALastWordWithoutItsHashAndAHashInAWordAreRead) {
    EXPECT_EQ(Parse("36#2#5#A#B#cat*1#dog*2").words,
              (std::vector<TableWord>{{"cat", 1}, {"dog", 2}}));
    // The character after the digit is taken whatever it is.
    EXPECT_EQ(Parse("36#2#5#A#B#cat*1 dog*2 \r\n").words,
              (std::vector<TableWord>{{"cat", 1}, {"dog", 2}}));
    EXPECT_EQ(Parse("36#2#5#A#B#C#*1#F#*2#").words, (std::vector<TableWord>{{"C#", 1}, {"F#", 2}}));
}

TEST(DragDropContent, ContentThatCannotMakeItsTableIsRefused) {
    struct Case {
        std::string body;
        std::string error;
    };
    const Case cases[] = {
        {"36#0#5#", "The number of columns is 0; it must be 1 to 8."},
        {"36#9#5#", "The number of columns is 9; it must be 1 to 8."},
        {"36#2#0#", "The number of rows is 0; it must be 1 to 19."},
        {"36#2#20#", "The number of rows is 20; it must be 1 to 19."},
        {"36#x#5#", "'x' is not a valid integer value"},
        {"36# 2#5#", "' 2' is not a valid integer value"},
        {"36#2", "The number of columns does not end with \"#\"."},
        {"36#2#5#A#", "The header of column 2 does not end with \"#\"."},
        {"36#2#5#A#B#", "The exercise has no words."},
        {"36#2#5#A#B#cat*1#dog*0#", "Word 2: its column 0 is not one of the 2 columns."},
        {"36#2#5#A#B#cat*3#", "Word 1: its column 3 is not one of the 2 columns."},
        {"36#2#5#A#B#cat*x#", "'x' is not a valid integer value"},
        {"36#2#5#A#B#cat*1#dog", "Word 2: it has no \"*\" before its column."},
        {"36#2#5#A#B#cat*12#", "Word 2: it has no \"*\" before its column."},
        {"36#2#5#A#B#cat*", "Word 1: it has no column after its \"*\"."},
        {"36#1#5#A#" + Words(41), "More than 40 words."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseError(c.body), c.error) << c.body;
    }
    EXPECT_EQ(Parse("36#8#19#1#2#3#4#5#6#7#8#" + Words(40)).words.size(), 40u);
}

TEST(DragDropContent, ShuffleExchangesWholeWordsInAFixedOrderForASeed) {
    std::vector<TableWord> words{{"a", 1}, {"b", 2}, {"c", 1}, {"d", 2}, {"e", 1}};
    FixRandomSeed(3);
    ShuffleWords(words);
    ReleaseRandomSeed();
    EXPECT_EQ(words, (std::vector<TableWord>{{"e", 1}, {"d", 2}, {"b", 2}, {"a", 1}, {"c", 1}}));

    std::vector<TableWord> one{{"only", 1}};
    ShuffleWords(one);
    EXPECT_EQ(one, (std::vector<TableWord>{{"only", 1}}));
}

struct Finding {
    LoadFault fault;
    FaultKind kind;
};

std::vector<Finding> Check(const CourseData& course, const LabelMeasure& measure = {}) {
    std::vector<Finding> found;
    LoadReport report([&](const LoadFault& f) { found.push_back({f, f.kind}); }, false);
    CheckDragDropLessons(course, report, measure);
    return found;
}

// A course in memory with one lesson row per body.
CourseData CourseWith(const std::vector<std::string>& bodies) {
    CourseData course;
    int number = 10;
    for (const auto& body : bodies) {
        SteeringRow row;
        row.TopicFolder = "dom";
        row.Code = kDragAndDropCode;
        row.Content = std::to_string(number);
        course.SteeringTable.push_back(row);
        course.StTable[static_cast<std::size_t>(number)] = StRecord{"head", body, "", 3 * number};
        ++number;
    }
    return course;
}

TEST(DragDropCheck, NamesEveryFaultyLessonAndItsRecord) {
    CourseData course = CourseWith({"36#2#5#A#B#cat*1#", "36#2#5#A#B#cat*3#"});
    course.SteeringTable.push_back(course.SteeringTable[0]);
    course.SteeringTable.back().Content = "99";
    course.SteeringTable.push_back(course.SteeringTable[0]);
    course.SteeringTable.back().Code = 35; // another kind: not looked at
    course.SteeringTable.back().Content = "x";
    const auto found = Check(course);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].fault.file, "St.t");
    EXPECT_EQ(found[0].fault.message,
              "Lesson 2 (dom, record 11): Word 1: its column 3 is not one of the 2 columns.");
    EXPECT_EQ(found[0].fault.line, 34); // the content, below the head on line 33
    EXPECT_EQ(found[0].kind, FaultKind::Message);
    EXPECT_EQ(found[1].fault.file, "Steruj.t");
    EXPECT_EQ(found[1].fault.message, "Lesson 3 (dom, record 99): the course has no such record.");
}

TEST(DragDropCheck, WarnsAboutATableWiderThanTheScreenAndAPoolBelowIt) {
    // Eight columns of a 100-pixel word: 118 x 8 = 944 pixels.
    CourseData course = CourseWith({"36#8#3#1#2#3#4#5#6#7#8#" + Words(8), "36#1#3#A#" + Words(30)});
    course.SteeringTable[1].LayoutY[3] = 500; // the pool starts low
    course.SteeringTable[1].LayoutX[4] = 240; // two words a row
    const auto found = Check(course, [](const std::string&) { return LabelSize{100, 16}; });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].kind, FaultKind::CheckOnly);
    EXPECT_EQ(found[0].fault.message,
              "Lesson 1 (dom, record 10): the table (-142..802 x 240..320) does not fit on the "
              "screen.");
    EXPECT_EQ(found[1].fault.message,
              "Lesson 2 (dom, record 11): the pool runs below the screen from "
              "\"w12\" on.");
    // The course's own rows keep their zeros.
    EXPECT_EQ(course.SteeringTable[0].LayoutX[2], 0);
}

} // namespace
} // namespace lumora
