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

TEST(RecorderTest, HoldingTheButtonForASecondSavesASecondOfSound) {
    test::EnsureApplication();
    const test::ScopedEnv dummy_capture("LUMORA_DUMMY_CAPTURE", "1");
    test::TempFolder dir;
    const std::string saved_folder = Course().UserDataFolder;
    Course().UserDataFolder = dir.Path();
    PlatformMediaPlayer main_player;
    SdlRecorder device;
    Recording recording(device, main_player);
    MessageRecorder messages;

    recording.StartRecording();
    ProcessEventsFor(1000);
    recording.StopRecording();
    Course().UserDataFolder = saved_folder;

    EXPECT_TRUE(messages.Messages().empty()) << messages.Messages().front();
    const std::string bytes = ReadFileBytes(dir / "tmp1.Wav").value_or("");
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(LittleEndian(bytes, 20, 2), 1u) << "PCM";
    EXPECT_EQ(LittleEndian(bytes, 34, 2), 16u) << "bits per sample";
    EXPECT_EQ(LittleEndian(bytes, 40, 4), bytes.size() - 44);

    main_player.SetFileName(dir / "tmp1.wav");
    ASSERT_TRUE(main_player.Open()) << main_player.ErrorText();
    EXPECT_GT(main_player.Length(), 700);
    EXPECT_LT(main_player.Length(), 2000);
}

TEST(RecorderTest, TheDummyDriversSilenceIsNoRecording) {
    test::EnsureApplication();
    const test::ScopedEnv no_switch("LUMORA_DUMMY_CAPTURE");
    test::TempFolder dir;
    dir.WriteBytes("tmp1.Wav", "the last recording");
    const std::string saved_folder = Course().UserDataFolder;
    Course().UserDataFolder = dir.Path();
    PlatformMediaPlayer main_player;
    SdlRecorder device;
    Recording recording(device, main_player);
    MessageRecorder messages;

    recording.StartRecording();
    ProcessEventsFor(300);
    recording.StopRecording();
    Course().UserDataFolder = saved_folder;

    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].ends_with(" Open")) << messages.Messages()[0];
    EXPECT_EQ(ReadFileBytes(dir / "tmp1.Wav"), "the last recording");
}

TEST(RecorderTest, StepsOnAClosedDeviceFailWithText) {
    SdlRecorder device;
    const int code = device.Save("/nonexistent/x.wav");
    EXPECT_NE(code, 0);
    EXPECT_FALSE(device.ErrorText(code).empty());
    EXPECT_NE(device.Close(), 0);
}

} // namespace
} // namespace lumora
