// The checker's look at the lesson list: lessons the learner can never open
// from a topic screen, each a warning at its Steruj.t line.
#include "course/lesson_list_check.h"
#include "course_builder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

std::vector<std::string> Check(const std::string& steering) {
    test::CourseBuilder b;
    b.Write("Steruj.t", steering);
    const CourseData course = b.Load();
    std::vector<std::string> found;
    LoadReport report(
        [&found](const LoadFault& f) {
            found.push_back((f.kind == FaultKind::Warning ? "warning " : "fault ") + f.file + ":" +
                            std::to_string(f.line) + ": " + f.message);
        },
        false);
    CheckLessonList(course, report);
    return found;
}

TEST(LessonListCheck, CodesThatOpenNothingAreNamedWithWhatTheProgramDoes) {
    const auto found = Check("// comment\n"
                             "dom=a=5==Five====\n"
                             "dom=b=77==Odd====\n"
                             "dom=c=1==Sentences====\n");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], "warning Steruj.t:2: lesson \"Five\" of dom (code 5): codes 5 to 8 open no "
                        "screen in this program; the topic screen lists the title under no "
                        "heading and a click opens nothing.");
    EXPECT_EQ(found[1], "warning Steruj.t:3: lesson \"Odd\" of dom (code 77): the code is no "
                        "lesson kind; the topic screen lists the title under no heading and a "
                        "click opens nothing.");
}

TEST(LessonListCheck, ATopicNoMenuPictureOpensIsNamedOnce) {
    const auto found = Check("Kuchnia=a=30==Words====\nKuchnia=b=35==Story====\n"
                             "ogrod=c=35==Garden====\nkuchnia=d=35==Fine====\n");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], "warning Steruj.t:1: lesson \"Words\" of Kuchnia (code 30): no main-menu "
                        "topic opens the topic \"Kuchnia\" (the menu opens \"kuchnia\"; case "
                        "counts), so its lessons are never shown.");
    EXPECT_EQ(found[1].substr(0, 29), "warning Steruj.t:3: lesson \"G");
}

TEST(LessonListCheck, LessonsPastTheThirtiethOfATopicAreNamedAtTheFirst) {
    // Each vocabulary line with Variants 11 brings two added rows: ten lines
    // make the 30, the eleventh line's three rows are not shown.
    std::string steering;
    for (int i = 1; i <= 11; ++i) {
        steering += "dom=w" + std::to_string(i) + "=30==W" + std::to_string(i) + "==1,1=11=\n";
    }
    steering += "sport=s=30==S====\n";
    const auto found = Check(steering);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], "warning Steruj.t:11: lesson \"W11\" of dom (code 30): the topic screen "
                        "shows the first 30 lessons of a topic (added rows included); this one "
                        "and those after it are not shown.");
}

} // namespace
} // namespace lumora
