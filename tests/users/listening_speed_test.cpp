#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "temp_folder.h"
#include "users/listening_speed.h"

namespace lumora {
namespace {

TEST(ListeningSpeedTest, CyclesThroughTheThreeSpeeds) {
    EXPECT_EQ(NextListeningSpeed(100), 85);
    EXPECT_EQ(NextListeningSpeed(85), 70);
    EXPECT_EQ(NextListeningSpeed(70), 100);
    EXPECT_EQ(NextListeningSpeed(50), 100);
    EXPECT_DOUBLE_EQ(SpeedTempo(85), 0.85);
}

TEST(ListeningSpeedTest, SavedSpeedIsReadBackAndAMissingFileIsNormalSpeed) {
    test::TempFolder dir;
    const std::string path = dir / kListeningSpeedFile;
    const ListeningSpeedRead missing = ReadListeningSpeed(path);
    EXPECT_EQ(missing.percent, 100);
    EXPECT_FALSE(missing.fault.has_value());
    for (const int percent : {70, 85, 100}) {
        ASSERT_FALSE(WriteListeningSpeed(path, percent).has_value());
        const ListeningSpeedRead read = ReadListeningSpeed(path);
        EXPECT_EQ(read.percent, percent);
        EXPECT_FALSE(read.fault.has_value());
    }
    EXPECT_EQ(ReadFileBytes(path), "100\r\n");
}

TEST(ListeningSpeedTest, DamagedFileIsNormalSpeedWithItsFileAndLine) {
    EXPECT_EQ(ParseListeningSpeed("85", "t").percent, 85);
    EXPECT_EQ(ParseListeningSpeed("70\n\n", "t").percent, 70);
    const struct {
        const char* text;
        const char* fault;
    } cases[] = {
        {"", "t:1: the file is empty; the speed is 100 %"},
        {"50\r\n", "t:1: \"50\" is not 100, 85 or 70; the speed is 100 %"},
        {"85 %\r\n", "t:1: \"85 %\" is not 100, 85 or 70; the speed is 100 %"},
        {"85\r\n\r\n70\r\n", "t:3: more than the one line of the speed"},
    };
    for (const auto& c : cases) {
        const ListeningSpeedRead read = ParseListeningSpeed(c.text, "t");
        EXPECT_EQ(read.percent, 100) << c.text;
        EXPECT_EQ(read.fault, c.fault) << c.text;
    }
}

} // namespace
} // namespace lumora
