#include "platform/scene_scale.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(SceneScale, LargestQuarterThatFitsTheDevicePixels) {
    struct Row {
        int width, height;
        double factor;
    };
    const Row rows[] = {
        {800, 600, 1},      {1024, 768, 1.25}, {1280, 800, 1.25},  {1366, 768, 1.25},
        {1920, 1080, 1.75}, {1920, 1200, 2},   {2560, 1440, 2.25}, {3840, 2160, 3.5},
        {799, 600, 0},      {800, 599, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FittingScale(r.width, r.height), r.factor) << r.width << "x" << r.height;
    }
}

TEST(SceneScale, FactorsWrittenByTheUser) {
    EXPECT_EQ(ParseScale("1"), 1);
    EXPECT_EQ(ParseScale("1.75"), 1.75);
    EXPECT_EQ(ParseScale("2.5"), 2.5);
    EXPECT_EQ(ParseScale("0.5"), 0.5);
    for (const char* bad : {"", "0", "-1", "1.3", "abc", "2x", "9", "nan", "inf", "1e400"}) {
        EXPECT_FALSE(ParseScale(bad)) << bad;
    }
}

TEST(SceneScale, AskedFactorIsCheckedAgainstTheScreen) {
    EXPECT_EQ(ChooseSceneScale("", 1920, 1080).factor, 1.75);
    EXPECT_EQ(ChooseSceneScale("1", 1920, 1080).factor, 1);
    EXPECT_TRUE(ChooseSceneScale("1", 1920, 1080).error.empty());
    EXPECT_EQ(ChooseSceneScale("1.5", 1920, 1080).factor, 1.5);

    const SceneScaleChoice tooLarge = ChooseSceneScale("2", 1920, 1080);
    EXPECT_EQ(tooLarge.error, "lumora: at the scale 2 the 800 x 600 screens take 1600 x 1200 "
                              "pixels, more than the display's 1920 x 1080");
    EXPECT_NE(ChooseSceneScale("1.3", 1920, 1080).error.find("multiple of 0.25"),
              std::string::npos);
    // A screen too small for the course still starts at 1, where the display
    // check refuses it with its own message.
    EXPECT_EQ(ChooseSceneScale("", 640, 480).factor, 1);
    EXPECT_TRUE(ChooseSceneScale("", 640, 480).error.empty());
}

} // namespace
} // namespace lumora
