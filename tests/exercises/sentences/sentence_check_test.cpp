// The check of a course's sentence lessons, as lumora-check reports it.
#include "course_builder.h"
#include "exercises/sentences/sentence_check.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

std::vector<std::string> Described(const std::vector<LoadFault>& faults) {
    std::vector<std::string> out;
    for (const auto& f : faults) {
        out.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message +
                      (f.kind == FaultKind::Warning ? " (warning)" : ""));
    }
    return out;
}

TEST(SentenceCheck, NamesEveryFaultyRowByItsLineAndEveryFaultyLesson) {
    test::CourseBuilder builder;
    builder.Write("Steruj.t", "// lessons\n"
                              "czas=zd1=1=bg.png=Yes no=x=100,60==\n"
                              "czas=zd2=3=bg.png=Choice=x===\n"
                              "czas=pusty=2=bg.png=Empty=x===\n");
    builder.Write("data.t",
                  "// rows\n"
                  "czas=zd1=Fits <here>.==pl=p1.png=0=s1.wav=n1.wav=1=0==0=e=f=\n"
                  "x=y\n"
                  "czas=zd1=No second <sound>.==pl=p2.png=0=s2.wav==1=0==0=e==\n"
                  "czas=zd2=Too <many> <gaps> <in> <this>.==pl=p3.png=0=s3.wav==3=0=a.png=0=e==\n"
                  "czas=zd2=Open <gap here.==pl=p3.png=0=s4.wav==3=0==0=e==\n"
                  "czas=zd2=No gap at all.==pl=p4.png=0=s5.wav==3=0==0=e==\n");
    const CourseData course = builder.Load(false);
    ASSERT_TRUE(builder.Faults().empty()) << builder.FaultMessages()[0];

    const std::vector<std::string> expected{
        "data.t:4: \"No second <sound>.\": no second sound (field 9) for the sentence that does "
        "not fit the picture; the learner would hear nothing (warning)",
        "Steruj.t:2: lesson zd1 (code 9, topic czas): gap filling needs six layout pairs (5 and 6 "
        "place the text frame); the screen shows \"Brak wspol. do ramki z tekstem w cw "
        "uzupelnianie!\" (warning)",
        "data.t:5: \"Too <many> <gaps> <in> <this>.\": 1 alternative pictures for 2 other places "
        "(warning)",
        "Steruj.t:3: lesson zd2 (code 3, topic czas): 2 different pictures; distractors for a "
        "choice of 3 need 7, else \"nie znalazl dobrego obrazka\" (warning)",
        "Steruj.t:3: lesson zd2 (code 9, topic czas): gap filling needs six layout pairs (5 and 6 "
        "place the text frame); the screen shows \"Brak wspol. do ramki z tekstem w cw "
        "uzupelnianie!\" (warning)",
        "data.t:5: \"Too <many> <gaps> <in> <this>.\": more than three gaps; the words of the "
        "later gaps are shown as text",
        "data.t:6: \"Open <gap here.\": a \"<\" without its \">\"; the words after it are shown "
        "as text",
        "data.t:7: \"No gap at all.\": no gap marked with \"<\" and \">\"; the learner is asked to "
        "type \"wyraz\" (warning)",
        "Steruj.t:4: lesson pusty (code 2, topic czas): no data.t row has this content key; the "
        "lesson does not open",
        "Steruj.t:4: lesson pusty (code 9, topic czas): no data.t row has this content key; the "
        "lesson does not open",
    };
    EXPECT_EQ(Described(CheckSentenceLessons(course)), expected);
}

TEST(SentenceCheck, RowLinesSkipCommentsShortLinesAndRowsThatDoNotConvert) {
    test::CourseBuilder builder;
    builder.Write("data.t", "// c\n"
                            "a=b=one=====\n"
                            "\n"
                            "  x=y  \n"
                            "a=b=bad===p=0=s=t=x=\n"
                            "a=b=two=====\n");
    const CourseData course = builder.Load(false);
    EXPECT_EQ(DataRowLines(course), (std::vector<int>{2, 6}));
}

} // namespace
} // namespace lumora
