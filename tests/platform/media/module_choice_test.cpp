#include <gtest/gtest.h>

#include <QWidget>

#include <cstdint>
#include <string>

#include "engine_support.h"
#include "platform/media/backend_loader.h"
#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/wav_file.h"
#include "platform/media/widget_surface.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "temp_folder.h"

namespace lumora {
namespace {

constexpr int kPatience = 5000;

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xffu);
    }
}

// A mono IMA ADPCM file at 22050 Hz of whole 256-byte blocks (505 frames
// each) of a pseudo-random signal.
std::string AdpcmFile(int blocks) {
    std::string data;
    std::uint32_t seed = 12345;
    for (int b = 0; b < blocks; ++b) {
        data += std::string("\0\0\x20\0", 4);
        for (int i = 4; i < 256; ++i) {
            seed = seed * 1103515245u + 12345u;
            data += static_cast<char>(seed >> 24);
        }
    }
    std::string out = "RIFF";
    PutLe(out, static_cast<std::uint32_t>(4 + 28 + 8 + data.size()), 4);
    out += "WAVEfmt ";
    PutLe(out, 20, 4);
    for (const std::uint32_t field : {0x11u, 1u}) {
        PutLe(out, field, 2);
    }
    PutLe(out, 22050, 4);
    PutLe(out, 22050 * 256 / 505, 4);
    for (const std::uint32_t field : {256u, 4u, 2u, 505u}) {
        PutLe(out, field, 2);
    }
    out += "data";
    PutLe(out, static_cast<std::uint32_t>(data.size()), 4);
    return out + data;
}

class ModuleChoiceTest : public ::testing::Test {
  protected:
    ModuleChoiceTest() { test::EnsureApplication(); }

    test::TempFolder dir_;
};

TEST_F(ModuleChoiceTest, AdpcmSoundPlaysInItsTimeWithoutLoadingFfmpeg) {
    const bool ffmpeg_before = MediaModuleLoadEnded(MediaModule::Ffmpeg);
    dir_.WriteBytes("adpcm.wav", AdpcmFile(22)); // 11110 frames, 503 ms
    PlatformMediaPlayer player;
    test::NotifyLog log(player);
    player.SetFileName(dir_ / "adpcm.wav");
    ASSERT_TRUE(player.Open()) << player.ErrorText();
    EXPECT_EQ(player.Length(), 503);
    const std::int64_t start = TickCount();
    player.Play();
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
    EXPECT_GE(log.LastArrival() - start, 400);
    EXPECT_EQ(player.Position(), 503);
    EXPECT_TRUE(player.FirstSoundTime().has_value());
    if (!ffmpeg_before) {
        EXPECT_FALSE(MediaModuleLoadEnded(MediaModule::Ffmpeg));
    }
}

TEST_F(ModuleChoiceTest, DamagedWavFailsOnceAndACutOneYieldsWhatItHolds) {
    PlatformMediaPlayer player;
    test::NotifyLog log(player);
    const std::string whole = WavBytes(std::vector<std::int16_t>(22050, 1000), 22050, 1);
    dir_.WriteBytes("header.wav", whole.substr(0, 30));
    player.SetFileName(dir_ / "header.wav");
    EXPECT_FALSE(player.Open());
    EXPECT_NE(player.ErrorText().find("header.wav"), std::string::npos) << player.ErrorText();
    player.Play();
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Failure);

    // A second's header over a quarter of a second of sound.
    dir_.WriteBytes("cut.wav", whole.substr(0, 44 + 2 * 5513));
    player.SetFileName(dir_ / "cut.wav");
    ASSERT_TRUE(player.Open()) << player.ErrorText();
    EXPECT_EQ(player.Length(), 250);
    player.Play();
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
    ProcessEventsFor(50);
    EXPECT_EQ(log.Values().size(), 2u);
}

TEST_F(ModuleChoiceTest, OpeningASoundAfterAFilmEndsTheFilmsPlayOnce) {
    QWidget panel;
    panel.resize(176, 144);
    WidgetSurface surface(&panel);
    PlatformMediaPlayer player;
    player.SetDisplay(&surface);
    test::NotifyLog log(player);
    player.SetFileName(test::Fixture("film.mpg"));
    ASSERT_TRUE(player.Open()) << player.ErrorText();
    EXPECT_EQ(player.PictureSize().width, 176);
    player.Play();
    ASSERT_TRUE(ProcessEventsUntil([&] { return surface.FramesPresented() > 0; }, kPatience));

    test::WriteTone(dir_ / "tone.wav", 200);
    player.SetFileName(dir_ / "tone.wav");
    ASSERT_TRUE(player.Open());
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Aborted);
    EXPECT_EQ(player.PictureSize().width, 0);
    EXPECT_EQ(player.Length(), 200);
    player.Play();
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
    ProcessEventsFor(50);
    EXPECT_EQ(log.Values().size(), 2u);
    player.SetDisplay(nullptr);
}

// The program's players queue a film while FFmpeg loads, as they queue the
// first sound while the sound module loads.
TEST_F(ModuleChoiceTest, AFilmOpenedWhileFfmpegLoadsIsQueuedAndPlays) {
    if (MediaModuleLoadEnded(MediaModule::Ffmpeg)) {
        GTEST_SKIP() << "FFmpeg was loaded by an earlier test of this process";
    }
    WaitForSoundBackend();
    HoldMediaBackendLoad(true);
    PlatformMediaPlayer player;
    player.QueueWhileLoading();
    test::NotifyLog log(player);
    player.SetFileName(test::Fixture("film.mpg"));
    ASSERT_TRUE(player.Open());
    player.Play();
    ProcessEventsFor(100);
    EXPECT_EQ(player.Mode(), PlayerMode::Playing);
    EXPECT_FALSE(MediaModuleLoadEnded(MediaModule::Ffmpeg));
    HoldMediaBackendLoad(false);
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
    EXPECT_NEAR(static_cast<double>(player.Length()), 2000, 100);
    ProcessEventsFor(50);
    EXPECT_EQ(log.Values().size(), 1u);
}

} // namespace
} // namespace lumora
