// The typing exercise without a window: the ".fcs" reader and its marks,
// gaps, prefills and alternatives; the flow of the text; moving from gap to
// gap; the comparison, the marking and the answers filled in after it.
#include "course_builder.h"
#include "exercises/typing/typing_check.h"
#include "exercises/typing/typing_file.h"
#include "exercises/typing/typing_layout.h"
#include "exercises/typing/typing_state.h"
#include "platform/cp1250.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

std::vector<std::string> File(const std::vector<std::string>& text, int width = 60,
                              bool emptyGaps = false) {
    std::vector<std::string> lines{"szer_px=" + std::to_string(width), "tytul_tekst=A story",
                                   std::string("puste_luk=") + (emptyGaps ? " 1 " : "0")};
    lines.insert(lines.end(), text.begin(), text.end());
    return lines;
}

TypingText Parse(const std::vector<std::string>& lines) {
    auto parsed = ParseTypingText(lines);
    if (auto* fault = std::get_if<TypingFault>(&parsed)) {
        ADD_FAILURE() << fault->line << ": " << fault->message;
        return {};
    }
    return std::get<TypingText>(parsed);
}

std::vector<std::string> Texts(const TypingText& text) {
    std::vector<std::string> words;
    for (const auto& w : text.words) {
        words.push_back(w.gap ? "[" + w.text + "]" : w.text);
    }
    return words;
}

int Measure(std::string_view text, TextStyle style) {
    return static_cast<int>(Utf8Length(text)) * (style.bold ? 8 : 7);
}

TEST(TypingText, MarksBecomeWordsUpToTheFirstThatAlreadyStandsApart) {
    struct Case {
        std::string line, prepared;
    };
    for (const Case& c :
         std::vector<Case>{{"Hi, Tom. Go!", "Hi , Tom . Go !"},
                           {".start", " .start"},
                           {"a.b.c", "a .b .c"},
                           // The search for "." stops at the one with a blank before it.
                           {"one . two. three.", "one . two. three."},
                           {"x, y , z,", "x , y , z,"},
                           {"Why? Why?", "Why ? Why ?"}}) {
        EXPECT_EQ(PrepareMarks(c.line), c.prepared) << c.line;
    }
}

TEST(TypingText, SettingsWordsGapsPrefillsAndMarks) {
    const auto text = Parse(File({"Tom has a *c &cat, and  a &dog.", "<BR> $%^ >> st"}, 96));
    EXPECT_EQ(text.GapWidth, 96);
    EXPECT_FALSE(text.EmptyGaps);
    // The prefill is no word of its own; a gap shows it; two blanks give an
    // empty word; a line end only separates words.
    EXPECT_EQ(Texts(text), (std::vector<std::string>{"Tom", "has", "a", "[c]", ",", "and", "", "a",
                                                     "[]", ".", "<BR>", "$%^", ">>", "st"}));
    EXPECT_EQ(text.words[3].prefill, "c");
    EXPECT_EQ(text.words[3].gapNumber, 0);
    EXPECT_EQ(text.words[8].gapNumber, 1);
    EXPECT_EQ(text.answers, (std::vector<std::string>{"cat", "dog"}));
    EXPECT_EQ(text.alternatives, (std::vector<std::string>{"", ""}));
    // With empty gaps on, a prefilled gap starts empty too.
    const auto empty = Parse(File({"*c &cat"}, 96, true));
    EXPECT_TRUE(empty.EmptyGaps);
    EXPECT_EQ(Texts(empty), (std::vector<std::string>{"[]"}));
}

TEST(TypingText, AnswersWithAlternativesAndJoins) {
    struct Case {
        std::string word, answer, alternative;
    };
    for (const Case& c : std::vector<Case>{{"cat", "cat", ""},
                                           {"don't\\do+_not", "don't", "do not"},
                                           {"ice+_cream", "ice cream", ""},
                                           {"New+_York", "New York", ""},
                                           {"fish+_and+_chips", "fish and chips", ""},
                                           {"grey\\gray", "grey", "gray"},
                                           {"a+", "a+", ""}}) {
        std::string answer, alternative;
        SplitAnswer(c.word, answer, alternative);
        EXPECT_EQ(answer, c.answer) << c.word;
        EXPECT_EQ(alternative, c.alternative) << c.word;
    }
}

TEST(TypingText, FaultsNameTheirLine) {
    const auto bad = ParseTypingText({"szer_px=wide", "t", "p"});
    ASSERT_TRUE(std::holds_alternative<TypingFault>(bad));
    EXPECT_EQ(std::get<TypingFault>(bad).line, 1);
    EXPECT_TRUE(std::holds_alternative<TypingFault>(ParseTypingText({})));
    // 1400 word slots fit; the line that brings the 1401st is named.
    std::string hundred;
    for (int i = 0; i < 100; ++i) {
        hundred += "w ";
    }
    std::vector<std::string> text(14, hundred);
    EXPECT_EQ(Parse(File(text)).words.size(), 1400u);
    text.push_back("*prefill");
    EXPECT_EQ(Parse(File(text)).words.size(), 1400u);
    text.push_back("one more");
    const auto over = ParseTypingText(File(text));
    ASSERT_TRUE(std::holds_alternative<TypingFault>(over));
    EXPECT_EQ(std::get<TypingFault>(over).line, 19);
    EXPECT_EQ(std::get<TypingFault>(over).message, "the text has more than 1400 words.");
}

TEST(TypingState, TabRunsFromTheLastGapToTheFirst) {
    TypingState state(Parse(File({"&a b &c d &e f"})));
    EXPECT_EQ(state.NextGap(), -1);
    EXPECT_EQ(state.OpenAt(0, ""), "");
    EXPECT_EQ(state.NextGap(), 2);
    state.OpenAt(4, "typed ");
    EXPECT_EQ(state.Word(0).text, "typed");
    EXPECT_EQ(state.NextGap(), 0);
    TypingState single(Parse(File({"x &a y"})));
    single.OpenAt(1, "");
    EXPECT_EQ(single.NextGap(), 1);
}

TEST(TypingState, ComparisonIgnoresOuterBlanksAndTheCaseOfAToZOnly) {
    struct Case {
        std::string typed, answer, alternative;
        bool right;
    };
    for (const Case& c : std::vector<Case>{{" Cat ", "cat", "", true},
                                           {"cat.", "cat", "", false},
                                           {"CAT", "Cat", "", true},
                                           {"Żaba", "żaba", "", false},
                                           {"gray", "grey", "gray", true},
                                           {"", "grey", "", false},
                                           {"", "", "", true},
                                           {"Gray ", "grey", "gray", true}}) {
        EXPECT_EQ(AnswerMatches(c.typed, c.answer, c.alternative), c.right)
            << c.typed << " / " << c.answer;
    }
}

TEST(TypingState, AJoinedAnswerIsTypedWithItsBlank) {
    TypingState state(Parse(File({"I like &ice+_cream and &New+_York\\NYC"})));
    state.OpenAt(2, "");
    state.OpenAt(4, "Ice cream ");
    state.Mark("new york");
    EXPECT_EQ(state.RightCount(), 2);
}

TEST(TypingState, FiveGapsThreeRightGiveSixAndTheRestShowTheirAnswers) {
    TypingState state(Parse(File({"&cat &dog &grey\\gray &fish &bird"})));
    state.OpenAt(0, "");
    state.OpenAt(1, " Cat ");
    state.OpenAt(2, "DOG");
    state.OpenAt(3, "gray");
    state.OpenAt(4, "fish.");
    state.Mark(" ");
    EXPECT_EQ(state.OpenGap(), -1);
    EXPECT_EQ(state.RightCount(), 3);
    EXPECT_EQ(state.WrongCount(), 2);
    EXPECT_EQ(state.Points(), 6);
    EXPECT_EQ(state.WrongText(3), "fish.");
    EXPECT_EQ(state.WrongText(4), " ");
    EXPECT_FALSE(state.Right(4));
    state.FillAnswers();
    // A right gap in another case takes the answer's; the alternative typed
    // exactly stays.
    EXPECT_EQ(Texts(state.Text()),
              (std::vector<std::string>{"[cat]", "[dog]", "[gray]", "[fish]", "[bird]"}));
}

TEST(TypingLayout, WordsFlowWithMarksGlueRaisesAndStyles) {
    // Seven pixels a character, eight in bold; separators are blanks except
    // before a mark.
    TypingState state(Parse(File({"ab cd, <b> ef $%^ gh >> 2 <i> ij <BR> kl."})));
    const TypingLayout layout = LayOutTyping(Measure, state, 400, 0);
    struct Expect {
        int x, y;
        std::string text;
        bool bold, italic;
    };
    const std::vector<Expect> expected{
        {0, 17, "ab ", false, false}, {21, 17, "cd", false, false}, {35, 17, ", ", false, false},
        {49, 17, "ef ", true, false}, {65, 17, "gh ", true, false}, // glued: one bold blank back
        {81, 13, "2 ", true, false},                                // raised, and one blank back
        {97, 17, "ij ", true, true},  {0, 34, "kl", true, true},    {16, 34, ". ", true, true}};
    ASSERT_EQ(layout.pieces.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TypingPiece& p = layout.pieces[i];
        const Expect& e = expected[i];
        EXPECT_EQ(std::make_tuple(p.x, p.y, p.text, p.style.bold, p.style.italic),
                  std::make_tuple(e.x, e.y, e.text, e.bold, e.italic))
            << i;
    }
    EXPECT_EQ(layout.end, 34);
}

TEST(TypingLayout, AMarkNeverStartsALine) {
    // The mark reaches the margin (70 + 14 + 15 >= 99) but stays on its line.
    TypingState state(Parse(File({"abcde abcd. abcde"})));
    const TypingLayout layout = LayOutTyping(Measure, state, 99, 0);
    ASSERT_EQ(layout.pieces.size(), 4u);
    EXPECT_EQ(layout.pieces[1].text, "abcd");
    EXPECT_EQ(layout.pieces[1].x, 42);
    EXPECT_EQ(layout.pieces[2].text, ". ");
    EXPECT_EQ(layout.pieces[2].y, 17); // stays on the line although it passes the margin
    EXPECT_EQ(layout.pieces[3].x, 0);
    EXPECT_EQ(layout.pieces[3].y, 34);
}

TEST(TypingLayout, GapsTheirUnderscoresExclamationsAndScroll) {
    TypingState state(Parse(File({"a &cat &dog b"}, 40, true)));
    EXPECT_EQ(GapUnderscores(Measure, 40), "_____"); // 35 pixels reach 40 - 5
    TypingLayout layout = LayOutTyping(Measure, state, 400, 0);
    ASSERT_EQ(layout.gaps.size(), 2u);
    EXPECT_EQ(layout.pieces[1].text, "_____ ");
    EXPECT_TRUE(layout.pieces[1].gap);
    // An empty gap is the gap width and its blank wide.
    EXPECT_EQ(layout.gaps[0].left, 14);
    EXPECT_EQ(layout.gaps[0].width, 47);
    EXPECT_EQ(layout.gaps[1].left, 61);
    // Edges count; where two areas meet the first gap wins.
    EXPECT_EQ(HitGap(layout.gaps, 61, 34)->word, 1);
    EXPECT_EQ(HitGap(layout.gaps, 62, 34)->word, 2);
    EXPECT_EQ(HitGap(layout.gaps, 62, 35), nullptr);

    state.OpenAt(1, "");
    state.OpenAt(2, "Cat");
    state.Mark("pig");
    layout = LayOutTyping(Measure, state, 400, 1);
    // The right gap's area is put aside; the wrong one gets its picture and
    // moves 16 pixels on.
    EXPECT_EQ(layout.gaps[0].left, -50);
    ASSERT_EQ(layout.exclamations.size(), 1u);
    EXPECT_EQ(layout.exclamations[0].left, 14 + 28 - 4);
    EXPECT_EQ(layout.exclamations[0].top, 0); // one step scrolled
    EXPECT_EQ(layout.pieces[2].x, 14 + 28 + 16);
    EXPECT_EQ(HitExclamation(state, layout.gaps, 14 + 28 + 16, 10)->word, 2);
    EXPECT_EQ(HitExclamation(state, layout.gaps, 14 + 28 + 17, 10), nullptr);

    EXPECT_EQ(TypingScrollLimit(100, 120), 0);
    EXPECT_EQ(TypingScrollLimit(300, 120), (300 - 120) / 17 + 1);
}

TEST(TypingLayout, WhatALearnerTypesIsNeverTakenForAMark) {
    TypingState state(Parse(File({"a &b c"})));
    state.OpenAt(1, "");
    state.CloseGap("<BR>");
    const TypingLayout layout = LayOutTyping(Measure, state, 400, 0);
    ASSERT_EQ(layout.gaps.size(), 1u);
    EXPECT_EQ(layout.pieces[1].text, "<BR> ");
    EXPECT_EQ(layout.pieces[2].y, 17);
}

TEST(TypingCheck, FaultsNameTheFileAndLine) {
    test::CourseBuilder builder;
    builder.Write("Steruj.t", "kuchnia=1=37=k.png=T=x=24,62==\nsport=2=37=k.png=T=x=24,62==\n"
                              "czas=3=37=k.png=T=x=24,62==\n");
    builder.Write("St.t", "1#m#h#i#\n37#good\nnote\n2#m#h#i#\n37#bad\nnote\n"
                          "3#m#h#i#\n37#missing\nnote\n");
    builder.Write("wpisywania/good.fcs", "szer_px=60\nt\np\nA &cat.\n");
    builder.Write("wpisywania/bad.fcs", "szer_px=6o\nt\np\nA &cat.\n");
    const auto faults = CheckTypingLessons(builder.Load());
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0].file, "wpisywania\\bad.fcs");
    EXPECT_EQ(faults[0].line, 1);
    EXPECT_EQ(faults[1].file, "wpisywania\\missing.fcs");
    EXPECT_EQ(faults[1].line, 0);
    EXPECT_EQ(DescribeTypingFault(faults[1]), "wpisywania\\missing.fcs: the file cannot be read.");
}

} // namespace
} // namespace lumora
