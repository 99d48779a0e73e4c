// Playing a crossword: activating rows, typing, judging, the row keys and
// the points; opening one from a course and checking a course's lists.
#include "course_builder.h"
#include "exercises/crossword/crossword.h"
#include "exercises/crossword/crossword_check.h"
#include "platform/random.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

Crossword Make(const std::vector<std::string>& words, std::uint32_t seed = 1) {
    std::vector<std::string> text;
    for (const auto& w : words) {
        text.push_back(w + ".bmp=" + w);
    }
    CrosswordList list = ParseCrosswordList(text);
    list.folder = "krzyzowka\\dom\\";
    FixRandomSeed(seed);
    auto made = Crossword::FromList(list);
    ReleaseRandomSeed();
    return std::get<Crossword>(made);
}

int RowOf(const Crossword& c, const std::string& word) {
    for (int k = 1; k <= c.RowCount(); ++k) {
        if (c.Row(k).word == word) {
            return k;
        }
    }
    return 0;
}

LessonStep Type(Crossword& c, const std::string& letters) {
    LessonStep last;
    for (char ch : letters) {
        last = c.TypeLetter(static_cast<char32_t>(ch));
    }
    return last;
}

class CrosswordPlay : public testing::Test {
  protected:
    // Four rows, one per length.
    Crossword c = Make({"bird", "Horse", "monkey", "giraffe"});
};

TEST_F(CrosswordPlay, OpensWithTheFirstRowActiveAndEmpty) {
    ASSERT_EQ(c.RowCount(), 4);
    EXPECT_EQ(c.ActiveRow(), 1);
    EXPECT_TRUE(c.InputVisible());
    EXPECT_EQ(c.TypedCount(), 0);
    EXPECT_EQ(c.InputLeft(), c.Row(1).squares.left + 1);
    EXPECT_EQ(c.InputTop(), c.Row(1).squares.top + 2);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(c.Row(k).picture, "krzyzowka\\dom\\" + c.Row(k).word + ".bmp");
        EXPECT_EQ(c.Row(k).squares.width, 21 * static_cast<int>(c.Row(k).word.size()) + 1);
    }
}

TEST_F(CrosswordPlay, LettersFillSquaresAndMoveTheInput) {
    const int left = c.InputLeft();
    EXPECT_EQ(c.TypeLetter(U'X').Judged(), Verdict::None);
    EXPECT_EQ(c.TypeLetter(U'y').Judged(), Verdict::None);
    EXPECT_EQ(c.Row(1).typed, "xy");
    EXPECT_EQ(c.TypedCount(), 2);
    EXPECT_EQ(c.InputLeft(), left + 42);
    // Nothing but the letters A..Z counts.
    for (char32_t ch : {U'1', U' ', U'ł', U'-', U'\t'}) {
        c.TypeLetter(ch);
    }
    EXPECT_EQ(c.Row(1).typed, "xy");
    c.Backspace();
    EXPECT_EQ(c.Row(1).typed, "x");
    EXPECT_EQ(c.InputLeft(), left + 21);
    c.Backspace();
    c.Backspace(); // at the first square: nothing
    EXPECT_EQ(c.TypedCount(), 0);
    EXPECT_EQ(c.InputLeft(), left);
}

TEST_F(CrosswordPlay, ARightWordInAnyCaseIsSolvedAndTheNextUnsolvedRowFollows) {
    c.Activate(RowOf(c, "Horse"));
    const int horse = c.ActiveRow();
    const LessonStep step = Type(c, "hOrSe");
    EXPECT_EQ(step.Judged(), Verdict::Right);
    EXPECT_FALSE(step.finished);
    EXPECT_TRUE(c.Row(horse).solved);
    EXPECT_EQ(c.SolvedCount(), 1);
    EXPECT_EQ(c.ActiveRow(), horse % 4 + 1);
    EXPECT_TRUE(c.InputVisible());
    // A solved row no longer reacts.
    c.Activate(horse);
    EXPECT_NE(c.ActiveRow(), horse);
    EXPECT_EQ(c.Row(horse).typed, "horse");
}

TEST_F(CrosswordPlay, AWrongCompletionErasesTheRowAndCounts) {
    c.Activate(RowOf(c, "bird"));
    const int row = c.ActiveRow();
    const int left = c.InputLeft();
    EXPECT_EQ(Type(c, "bard").Judged(), Verdict::Wrong);
    EXPECT_EQ(c.WrongCount(), 1);
    EXPECT_EQ(c.ActiveRow(), row);
    EXPECT_EQ(c.Row(row).typed, "");
    EXPECT_EQ(c.TypedCount(), 0);
    EXPECT_EQ(c.InputLeft(), left);
    EXPECT_TRUE(c.InputVisible());
    Type(c, "bxrd");
    EXPECT_EQ(c.WrongCount(), 2);
    EXPECT_EQ(Type(c, "bird").Judged(), Verdict::Right);
}

TEST_F(CrosswordPlay, ActivatingErasesWhatWasTypedInTheActiveRow) {
    Type(c, "ab");
    c.Activate(1); // the active row again
    EXPECT_EQ(c.Row(1).typed, "");
    Type(c, "ab");
    c.Activate(2);
    EXPECT_EQ(c.Row(1).typed, "");
    EXPECT_EQ(c.ActiveRow(), 2);
}

TEST_F(CrosswordPlay, RowKeysWrapOverTheUnsolvedRows) {
    // Solve rows 2 and 4; 1 and 3 stay.
    for (int k : {2, 4}) {
        c.Activate(k);
        Type(c, c.Row(k).word);
    }
    c.Activate(3);
    c.NextRow(); // the highest unsolved row goes on to the lowest
    EXPECT_EQ(c.ActiveRow(), 1);
    c.NextRow();
    EXPECT_EQ(c.ActiveRow(), 3);
    c.PreviousRow();
    EXPECT_EQ(c.ActiveRow(), 1);
    c.PreviousRow(); // from the lowest back to the highest
    EXPECT_EQ(c.ActiveRow(), 3);
}

TEST_F(CrosswordPlay, SolvingTheLastRowFinishesWithTenPointsARow) {
    c.Activate(1);
    Type(c, "zzzz" + std::string(c.Row(1).word.size() - 4, 'z'));
    LessonStep step;
    for (int k = 1; k <= 4; ++k) {
        c.Activate(k);
        step = Type(c, c.Row(k).word);
    }
    EXPECT_TRUE(step.finished);
    EXPECT_EQ(step.Judged(), Verdict::Right);
    EXPECT_TRUE(c.AllSolved());
    EXPECT_FALSE(c.InputVisible());
    c.NextRow(); // nothing left to move to
    EXPECT_FALSE(c.InputVisible());
    const LessonScore r = c.Result();
    EXPECT_EQ(r.points, 40);
    EXPECT_EQ(r.right, 4);
    EXPECT_EQ(r.wrong, 1);
    EXPECT_EQ(r.answered, 5);
    EXPECT_EQ(r.items, 4);
}

TEST(CrosswordOpen, AListWithOneWordGivesOneRow) {
    Crossword c = Make({"cat", "bird", "hippopotamuss"}, 4);
    ASSERT_EQ(c.RowCount(), 1);
    const LessonStep step = Type(c, "BIRD");
    EXPECT_TRUE(step.finished);
    EXPECT_EQ(c.Points(), 10);
}

TEST(CrosswordOpen, GoldenRowsOfASeededOpening) {
    Crossword c = Make({"bird", "horse", "monkey", "giraffe", "elephant"}, 42);
    std::vector<std::string> words;
    std::vector<std::pair<int, int>> pictures;
    std::vector<int> lefts;
    for (int k = 1; k <= c.RowCount(); ++k) {
        words.push_back(c.Row(k).word);
        pictures.emplace_back(c.Row(k).pictureLeft, c.Row(k).pictureTop);
        lefts.push_back(c.Row(k).squares.left);
        EXPECT_EQ(c.Row(k).squares.top, (220 - 22 * 5) / 2 + 140 + 21 * k);
    }
    EXPECT_EQ(words, (std::vector<std::string>{"elephant", "monkey", "bird", "giraffe", "horse"}));
    EXPECT_EQ(pictures, (std::vector<std::pair<int, int>>{
                            {578, 24}, {659, 339}, {683, 209}, {548, 402}, {689, 79}}));
    EXPECT_EQ(lefts, (std::vector<int>{290, 311, 332, 290, 332}));
}

class CrosswordCourse : public testing::Test {
  protected:
    void WriteList(const std::string& text) { b.Write("krzyzowka/dom/slowka.txt", text); }
    void WritePicture(const std::string& name) {
        b.Folder().WriteBytes("course/krzyzowka/dom/" + name, "BM");
    }
    test::CourseBuilder b;
};

TEST_F(CrosswordCourse, OpensWhenTheListAndItsPicturesAreThere) {
    WriteList("kot.bmp = cat\npies.bmp=Dog\nptak.bmp=bird\nkon.bmp=horse\n");
    WritePicture("ptak.bmp");
    WritePicture("kon.bmp");
    const CourseData course = b.Load();
    auto opened = Crossword::Open(course, "dom");
    ASSERT_TRUE(std::holds_alternative<Crossword>(opened));
    EXPECT_EQ(std::get<Crossword>(opened).RowCount(), 2);
}

TEST_F(CrosswordCourse, RefusesAMissingListPictureOrWord) {
    const CourseData course = b.Load();
    auto fault = std::get<LoadFault>(Crossword::Open(course, "dom"));
    EXPECT_EQ(fault.file, "krzyzowka/dom/slowka.txt");

    WriteList("ptak.bmp=bird\n");
    fault = std::get<LoadFault>(Crossword::Open(course, "dom"));
    EXPECT_EQ(fault.file, "krzyzowka/dom/ptak.bmp");
    EXPECT_NE(fault.message.find("ptak.bmp"), std::string::npos);

    WriteList("kot.bmp=cat\n\nhippo.bmp=hippopotamuss\n");
    fault = std::get<LoadFault>(Crossword::Open(course, "dom"));
    EXPECT_EQ(fault.file, "krzyzowka/dom/slowka.txt");
    EXPECT_EQ(fault.message, "The list holds no word of 4 to 12 letters.");
}

std::vector<std::string> Describe(const std::vector<LoadFault>& faults) {
    std::vector<std::string> out;
    for (const auto& f : faults) {
        out.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
    }
    return out;
}

TEST_F(CrosswordCourse, CheckerNamesEveryFaultOfEveryList) {
    b.Write("Steruj.t", "dom=k=42=====\ndom=k2=42=====\nkuchnia=k=42=====\nzoo=k=41=====\n");
    std::string list = "ptak.bmp=bird\nkot.bmp=cat\nno equals\n\nżółw.bmp=żółwik\n"
                       "kon.bmp=horse\nx.bmp=ice-cream\n";
    for (int i = 0; i < 94; ++i) {
        list += "ptak.bmp=bird\n";
    }
    WriteList(list);
    WritePicture("ptak.bmp");
    WritePicture("żółw.bmp");
    WritePicture("x.bmp");
    b.Write("krzyzowka/kuchnia/slowka.txt", "a.bmp=cat\n");
    const CourseData course = b.Load();
    const auto faults = Describe(CheckCrosswords(course));
    const std::string dom = "krzyzowka/dom/slowka.txt:";
    const std::vector<std::string> expected{
        dom + "3: The line is not a picture, \"=\" and a word.",
        dom + "5: The word \"żółwik\" holds characters other than the letters A to Z, which "
              "cannot be typed.",
        dom + "6: The picture \"krzyzowka/dom/kon.bmp\" does not exist.",
        dom + "7: The word \"ice-cream\" holds characters other than the letters A to Z, which "
              "cannot be typed.",
        dom + "101: More than 100 lines; the crossword reads only the first 100.",
        "krzyzowka/kuchnia/slowka.txt:0: The list holds no word of 4 to 12 letters.",
    };
    EXPECT_EQ(faults, expected);
}

} // namespace
} // namespace lumora
