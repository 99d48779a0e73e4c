#include <gtest/gtest.h>

#include <QWidget>

#include "engine_support.h"
#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/widget_surface.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "temp_folder.h"

namespace lumora {
namespace {

// Real-time checks run on loaded machines: the bounds are generous.
constexpr int kPatience = 5000;

class MediaPlayerTest : public ::testing::Test {
  protected:
    MediaPlayerTest() { test::EnsureApplication(); }

    std::string Tone(const std::string& name, int milliseconds) {
        const std::string path = dir_ / name;
        test::WriteTone(path, milliseconds);
        return path;
    }
    void OpenFile(const std::string& path) {
        player_.SetFileName(path);
        ASSERT_TRUE(player_.Open()) << player_.ErrorText();
    }

    test::TempFolder dir_;
    PlatformMediaPlayer player_;
    test::NotifyLog log_{player_};
};

TEST_F(MediaPlayerTest, HalfSecondToneTakesItsTimeAndEndsSuccessfully) {
    OpenFile(Tone("half.wav", 500));
    EXPECT_EQ(player_.Length(), 500);
    EXPECT_EQ(player_.Position(), 0);
    EXPECT_EQ(player_.Mode(), PlayerMode::Stopped);
    const std::int64_t start = TickCount();
    player_.Play();
    EXPECT_EQ(player_.Mode(), PlayerMode::Playing);
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Successful);
    const std::int64_t took = log_.LastArrival() - start;
    EXPECT_GE(took, 400);
    EXPECT_LE(took, 2000);
    EXPECT_EQ(player_.Mode(), PlayerMode::Stopped);
    EXPECT_EQ(player_.Position(), 500);
    EXPECT_TRUE(player_.FirstSoundTime().has_value());
}

TEST_F(MediaPlayerTest, PauseHoldsThePositionAndPlayResumes) {
    OpenFile(Tone("long.wav", 3000));
    player_.Play();
    ProcessEventsFor(400);
    player_.Pause();
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Aborted);
    EXPECT_EQ(player_.Mode(), PlayerMode::Paused);
    const std::int64_t held = player_.Position();
    EXPECT_GT(held, 100);
    EXPECT_LT(held, 2000);
    ProcessEventsFor(300);
    EXPECT_EQ(player_.Position(), held);
    player_.Play();
    ProcessEventsFor(200);
    EXPECT_GT(player_.Position(), held);
    player_.Stop();
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Aborted);
    EXPECT_EQ(player_.Mode(), PlayerMode::Stopped);
}

TEST_F(MediaPlayerTest, SeekLandsWhereAskedAndThePlayGoesOnFromThere) {
    OpenFile(Tone("two.wav", 2000));
    player_.Seek(1600);
    EXPECT_EQ(player_.Position(), 1600);
    const std::int64_t start = TickCount();
    player_.Play();
    EXPECT_GE(player_.Position(), 1600);
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Successful);
    EXPECT_LE(log_.LastArrival() - start, 1500) << "the play went on from the seek target";
    player_.Seek(99999);
    EXPECT_EQ(player_.Position(), 2000);
}

TEST_F(MediaPlayerTest, SeekWhilePlayingKeepsPlaying) {
    OpenFile(Tone("two.wav", 2000));
    player_.Play();
    player_.Seek(1700);
    EXPECT_EQ(player_.Mode(), PlayerMode::Playing);
    EXPECT_GE(player_.Position(), 1700);
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Successful);
    EXPECT_EQ(log_.Values().size(), 1u);
}

TEST_F(MediaPlayerTest, NewPlaySupersedesTheRunningOne) {
    OpenFile(Tone("one.wav", 1000));
    player_.Play();
    player_.Play();
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Superseded);
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Successful);
}

TEST_F(MediaPlayerTest, FilmDrawsFramesAndSoundsInTime) {
    QWidget panel;
    panel.resize(200, 150);
    WidgetSurface surface(&panel);
    player_.SetDisplay(&surface);
    OpenFile(test::Fixture("film.mpg"));
    EXPECT_EQ(player_.PictureSize().width, 176);
    EXPECT_NEAR(static_cast<double>(player_.Length()), 2000, 100);
    const std::int64_t start = TickCount();
    player_.Play();
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Successful);
    EXPECT_GE(log_.LastArrival() - start, 1500);
    EXPECT_TRUE(player_.FirstSoundTime().has_value());
    // 2 s at 25 frames a second; a loaded machine may drop a few late ones.
    EXPECT_GT(surface.FramesPresented(), 25);
    const QImage frame = surface.LastFrame();
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.size(), QSize(200, 150)) << "frames are scaled to the panel";
    player_.SetDisplay(nullptr);
}

TEST_F(MediaPlayerTest, SideSoundPlaysOverAPausedFilm) {
    OpenFile(test::Fixture("film.mpg"));
    player_.Play();
    ProcessEventsFor(300);
    player_.Pause();
    PlatformMediaPlayer side;
    test::NotifyLog side_log(side);
    side.SetFileName(Tone("praise.wav", 300));
    ASSERT_TRUE(side.Open());
    side.Play();
    EXPECT_EQ(side_log.WaitForNext(kPatience), NotifyValue::Successful);
    EXPECT_EQ(player_.Mode(), PlayerMode::Paused);
    player_.Play();
    ProcessEventsFor(200);
    EXPECT_EQ(player_.Mode(), PlayerMode::Playing);
}

TEST_F(MediaPlayerTest, UnreadableFilesGiveTheDecodersTextAndNoCrash) {
    dir_.WriteBytes("noise.mpg", std::string(5000, '\x5a'));
    player_.SetFileName(dir_ / "noise.mpg");
    EXPECT_FALSE(player_.Open());
    EXPECT_FALSE(player_.ErrorText().empty());
    EXPECT_EQ(player_.Mode(), PlayerMode::NotReady);
    player_.SetFileName(dir_ / "absent.wav");
    EXPECT_FALSE(player_.Open());
    EXPECT_FALSE(player_.ErrorText().empty());
    player_.Play();
    EXPECT_EQ(log_.WaitForNext(kPatience), NotifyValue::Failure);
}

TEST_F(MediaPlayerTest, TruncatedFilmPlaysWhatThereIs) {
    const std::string whole = ReadFileBytes(test::Fixture("film.mpg")).value_or("");
    ASSERT_GT(whole.size(), 10000u);
    dir_.WriteBytes("cut.mpg", whole.substr(0, whole.size() / 3));
    OpenFile(dir_ / "cut.mpg");
    player_.Play();
    const auto value = log_.WaitForNext(kPatience);
    ASSERT_TRUE(value.has_value());
    EXPECT_NE(value, NotifyValue::Superseded);
}

} // namespace
} // namespace lumora
