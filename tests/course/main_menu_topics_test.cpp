#include "course/main_menu_topics.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(MainMenuTopics, GeographyOpensPlacesAndKitchenOwnsFrames26To30) {
    const auto& geo = MenuTopics()[2];
    EXPECT_STREQ(geo.control, "lbl_geografia");
    EXPECT_STREQ(geo.folder, "miejsca");
    EXPECT_EQ(HoverInFrames(6), (std::vector<int>{26, 27, 28, 29, 30}));
    EXPECT_EQ(HoverOutFrames(6), (std::vector<int>{30, 29, 28, 27, 26}));
    EXPECT_EQ(MenuFrameName(26), "menu_but\\m_on_mouse_26.bmp");
}

TEST(MainMenuTopics, IntroWavesEndWithEveryTopicAtRest) {
    const auto steps = IntroFrames();
    // Step 1 moves only the first group (free time and miscellaneous).
    for (int t = 1; t <= kMenuTopics; ++t) {
        const int frame = steps[0][static_cast<std::size_t>(t - 1)];
        EXPECT_EQ(frame, (t == 1 || t == 12) ? FirstFrame(t) : 0) << t;
    }
    // Free time peaks at its fifth frame on step 5 and is back at rest on step 9.
    EXPECT_EQ(steps[4][0], LastFrame(1));
    EXPECT_EQ(steps[8][0], FirstFrame(1));
    EXPECT_EQ(steps[9][0], 0);
    // The last group ends at step 12; every topic then shows its first frame.
    for (int t : {7, 4, 6, 9}) {
        EXPECT_EQ(steps[11][static_cast<std::size_t>(t - 1)], FirstFrame(t));
        EXPECT_EQ(steps[2][static_cast<std::size_t>(t - 1)], 0);
    }
}

} // namespace
} // namespace lumora
