#include <gtest/gtest.h>

#include "course/course_data.h"
#include "engine_support.h"
#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/sdl_recorder.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "sound/recording.h"
#include "temp_folder.h"

namespace lumora {
namespace {

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Holds the record button for the given time with the learners' folder at
// dir; returns the messages shown.
std::vector<std::string> HoldRecordButton(const test::TempFolder& dir, int ms) {
    test::EnsureApplication();
    PlatformMediaPlayer main_player;
    SdlRecorder device;
    Recording recording(device, main_player);
    MessageRecorder messages;
    recording.StartRecording();
    ProcessEventsFor(ms);
    recording.StopRecording(dir / "tmp1.Wav");
    return messages.Messages();
}

TEST(RecorderTest, HoldingTheButtonForASecondSavesASecondOfSound) {
    const test::ScopedEnv dummy_capture("LUMORA_DUMMY_CAPTURE", "1");
    test::TempFolder dir;
    const std::vector<std::string> messages = HoldRecordButton(dir, 1000);

    EXPECT_TRUE(messages.empty()) << messages.front();
    const std::string bytes = ReadFileBytes(dir / "tmp1.Wav").value_or("");
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(LittleEndian(bytes, 20, 2), 1u) << "PCM";
    EXPECT_EQ(LittleEndian(bytes, 34, 2), 16u) << "bits per sample";
    EXPECT_EQ(LittleEndian(bytes, 40, 4), bytes.size() - 44);

    PlatformMediaPlayer player;
    player.SetFileName(dir / "tmp1.wav");
    ASSERT_TRUE(player.Open()) << player.ErrorText();
    EXPECT_GT(player.Length(), 700);
    EXPECT_LT(player.Length(), 2000);
}

TEST(RecorderTest, TheDummyDriversSilenceIsNoRecording) {
    const test::ScopedEnv no_switch("LUMORA_DUMMY_CAPTURE");
    test::TempFolder dir;
    dir.WriteBytes("tmp1.Wav", "the last recording");
    const std::vector<std::string> messages = HoldRecordButton(dir, 300);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].ends_with(" Open")) << messages[0];
    EXPECT_EQ(ReadFileBytes(dir / "tmp1.Wav"), "the last recording");
}

} // namespace
} // namespace lumora
