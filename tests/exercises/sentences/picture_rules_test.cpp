// Where pictures and the gap frame go, and which pictures a choice offers.
#include "exercises/sentences/picture_choice.h"
#include "exercises/sentences/picture_places.h"
#include "platform/random.h"
#include "sentence_course.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumora {
namespace {

SteeringRow WithPairs(std::vector<std::pair<int, int>> pairs) {
    SteeringRow row;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        row.LayoutX[i] = pairs[i].first;
        row.LayoutY[i] = pairs[i].second;
        row.LayoutCount += pairs[i].first != 0 && pairs[i].second != 0 ? 1 : 0;
    }
    return row;
}

TEST(PicturePlaces, FixedPlacesPerKind) {
    const SteeringRow none;
    struct Case {
        int code;
        std::vector<ScreenRect> rects;
    };
    const Case cases[] = {
        {1, {{134, 68, 447, 261}}},
        {2, {{78, 84, 290, 260}, {380, 84, 290, 260}}},
        {3, {{20, 84, 220, 220}, {258, 84, 220, 220}, {500, 84, 220, 220}}},
        {4, {{70, 64, 240, 170}, {384, 64, 240, 170}, {70, 250, 240, 170}, {384, 250, 240, 170}}},
        {9, {}},
    };
    for (const auto& c : cases) {
        const PicturePlaces p = PlacePictures(c.code, none);
        ASSERT_EQ(p.pictures.size(), c.rects.size()) << c.code;
        for (std::size_t i = 0; i < c.rects.size(); ++i) {
            EXPECT_EQ(p.pictures[i].rect, c.rects[i]) << c.code;
            EXPECT_FALSE(p.pictures[i].naturalSize);
        }
        EXPECT_FALSE(p.message);
    }
}

TEST(PicturePlaces, LayoutPairsPlacePicturesInTheirOwnSize) {
    const PicturePlaces full = PlacePictures(2, WithPairs({{90, 70}, {410, 70}, {5, 5}}));
    EXPECT_EQ(full.pictures[0], (PicturePlace{{90, 70, 0, 0}, true}));
    EXPECT_EQ(full.pictures[1], (PicturePlace{{410, 70, 0, 0}, true}));
    EXPECT_FALSE(full.message);

    // Too few pairs: the author is told, and the picture without a pair
    // keeps its fixed place instead of the screen's corner.
    const PicturePlaces few = PlacePictures(3, WithPairs({{27, 80}, {285, 80}}));
    EXPECT_EQ(few.message, std::string(kNoPicturePlaces));
    EXPECT_EQ(few.pictures[1], (PicturePlace{{285, 80, 0, 0}, true}));
    EXPECT_EQ(few.pictures[2], (PicturePlace{{500, 84, 220, 220}, false}));
}

TEST(PicturePlaces, GapFrameFromPairsFiveAndSix) {
    const auto six = WithPairs({{1, 1}, {1, 1}, {1, 1}, {1, 1}, {60, 372}, {680, 130}});
    EXPECT_EQ(PlaceGapFrame(six).rect, (ScreenRect{60, 372, 680, 130}));
    EXPECT_FALSE(PlaceGapFrame(six).message);

    const auto five = WithPairs({{1, 1}, {1, 1}, {1, 1}, {1, 1}, {60, 372}});
    EXPECT_EQ(PlaceGapFrame(five).rect, (ScreenRect{60, 372, 100, 200}));
    EXPECT_EQ(PlaceGapFrame(five).message, std::string(kNoGapFramePlace));
}

TEST(PictureChoice, AlternativesAreSplitTrimmedAndUsedInOrder) {
    EXPECT_EQ(SplitAlternatives(" a.png / b.png/c.png "),
              (std::vector<std::string>{"a.png", "b.png", "c.png"}));
    EXPECT_TRUE(SplitAlternatives("  ").empty());

    CourseData c = test::SentenceCourse(4, 10);
    c.DataTable[0].Field12 = "a.png/b.png";
    const LessonState lesson = test::StartLesson(c);
    PictureMemory memory;
    FixRandomSeed(3);
    const ChoiceRound round = DrawChoiceRound(c, lesson, 0, 4, 2, memory);
    ASSERT_EQ(round.pictures.size(), 4u);
    EXPECT_EQ(round.pictures[0], test::PicturePath(c, "a.png"));
    EXPECT_EQ(round.pictures[1], test::PicturePath(c, "p1.png"));
    EXPECT_EQ(round.pictures[2], test::PicturePath(c, "b.png"));
    // Only two alternatives for three places: the last one is drawn.
    EXPECT_EQ(round.pictures[3], test::PicturePath(c, "p6.png"));
}

TEST(PictureChoice, DistractorsRepeatNeitherThisNorThePreviousRound) {
    CourseData c = test::SentenceCourse(4, 12);
    const LessonState lesson = test::StartLesson(c);
    PictureMemory memory;
    FixRandomSeed(11);
    std::vector<std::string> previous;
    for (std::size_t s = 0; s + 1 < 12; ++s) {
        memory.NewRound();
        const int expected = static_cast<int>(s % 4) + 1;
        const ChoiceRound round = DrawChoiceRound(c, lesson, s, 4, expected, memory);
        EXPECT_TRUE(round.messages.empty());
        const std::string own = test::PicturePath(c, "p" + std::to_string(s + 1) + ".png");
        const std::string next = test::PicturePath(c, "p" + std::to_string(s + 2) + ".png");
        EXPECT_EQ(round.pictures[static_cast<std::size_t>(expected - 1)], own);
        for (int slot = 1; slot <= 4; ++slot) {
            const std::string& p = round.pictures[static_cast<std::size_t>(slot - 1)];
            if (slot == expected) {
                continue;
            }
            EXPECT_NE(p, own);
            EXPECT_NE(p, next) << "the next sentence's picture would give it away";
            EXPECT_EQ(std::count(round.pictures.begin(), round.pictures.end(), p), 1);
            EXPECT_EQ(std::count(previous.begin(), previous.end(), p), 0) << "round " << s;
        }
        previous = round.pictures;
    }
}

TEST(PictureChoice, WithoutASuitableDistractorTheFirstRowIsShownAndReported) {
    CourseData c = test::SentenceCourse(2, 3);
    for (auto& row : c.DataTable) {
        row.PictureFile = "Same.PNG";
    }
    c.DataTable[0].PictureFile = "SAME.png";
    const LessonState lesson = test::StartLesson(c);
    PictureMemory memory;
    FixRandomSeed(5);
    const ChoiceRound round = DrawChoiceRound(c, lesson, 1, 2, 1, memory);
    EXPECT_EQ(round.messages, std::vector<std::string>{kNoDistractor});
    EXPECT_EQ(round.pictures[1], test::PicturePath(c, "SAME.png"));
    // Paths are compared without regard to case.
    EXPECT_TRUE(memory.InUse(test::PicturePath(c, "same.png")));
}

} // namespace
} // namespace lumora
