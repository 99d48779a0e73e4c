// Slowed plays on the real engine (SDL's dummy driver takes the sound in real
// time): they take their longer time, end with exactly one notification, and
// the queue's Append, Next and Interrupt work on them as at normal speed.
#include <gtest/gtest.h>

#include <QWidget>

#include "engine_support.h"
#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/media/widget_surface.h"
#include "platform/random.h"
#include "sound/sound_service.h"
#include "temp_folder.h"

namespace lumora {
namespace {

constexpr int kPatience = 5000;
constexpr int kToneMs = 600;

class TempoPlayTest : public ::testing::Test {
  protected:
    TempoPlayTest() {
        test::EnsureApplication();
        test::WriteTone(dir_ / "one.wav", kToneMs);
        test::WriteTone(dir_ / "two.wav", kToneMs, 44100, 2);
    }

    // Plays the file at tempo; the time from Play to its one notification.
    std::int64_t TimedPlay(const std::string& name, double tempo) {
        PlatformMediaPlayer player;
        test::NotifyLog log(player);
        player.SetTempo(tempo);
        player.SetFileName(dir_ / name);
        EXPECT_TRUE(player.Open()) << player.ErrorText();
        const std::int64_t start = TickCount();
        player.Play();
        EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
        const std::int64_t took = log.LastArrival() - start;
        ProcessEventsFor(300);
        EXPECT_EQ(log.Values().size(), 1U);
        EXPECT_EQ(player.Position(), kToneMs);
        return took;
    }

    test::TempFolder dir_;
};

TEST_F(TempoPlayTest, SlowedPlayTakesItsLongerTimeAndEndsOnce) {
    for (const double tempo : {0.85, 0.70}) {
        const double wanted = kToneMs / tempo;
        const std::int64_t took = TimedPlay("one.wav", tempo);
        EXPECT_GE(took, 0.95 * wanted) << tempo;
        EXPECT_LE(took, wanted + 1500) << tempo;
    }
}

TEST_F(TempoPlayTest, TempoChangedDuringAPlayKeepsItsPlaceAndItsOneNotification) {
    PlatformMediaPlayer player;
    test::NotifyLog log(player);
    player.SetFileName(dir_ / "one.wav");
    ASSERT_TRUE(player.Open());
    const std::int64_t start = TickCount();
    player.Play();
    ProcessEventsFor(200);
    player.SetTempo(0.7);
    EXPECT_EQ(player.Mode(), PlayerMode::Playing);
    EXPECT_GE(player.Position(), 100);
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
    // About 200 ms at normal speed, the other 400 ms of the tone at 70 %.
    EXPECT_GE(log.LastArrival() - start, 0.95 * (200 + 400 / 0.7));
    ProcessEventsFor(300);
    EXPECT_EQ(log.Values().size(), 1U);
}

TEST_F(TempoPlayTest, QueueAppendNextAndInterruptAtSlowSpeed) {
    PlatformMediaPlayer main_player;
    PlatformMediaPlayer side_player;
    SoundService service(main_player, side_player);
    service.SetTempo(0.7);

    // Append: the second follows the first when it has ended by itself.
    const std::int64_t start = TickCount();
    service.PlaySound(dir_ / "one.wav", SoundMode::Append);
    service.PlaySound(dir_ / "two.wav", SoundMode::Append);
    EXPECT_EQ(service.SoundQueueCount(), 2);
    ASSERT_TRUE(
        ProcessEventsUntil([&] { return main_player.FileName() == dir_ / "two.wav"; }, kPatience));
    EXPECT_GE(TickCount() - start, 0.95 * kToneMs / 0.7);
    ASSERT_TRUE(
        ProcessEventsUntil([&] { return main_player.Mode() != PlayerMode::Playing; }, kPatience));
    EXPECT_GE(TickCount() - start, 0.95 * 2 * kToneMs / 0.7);
    EXPECT_EQ(service.SoundQueueCount(), 0);

    // Next: the new sound is the only one after the one playing.
    service.PlaySound(dir_ / "one.wav", SoundMode::Append);
    service.PlaySound(dir_ / "one.wav", SoundMode::Append);
    service.PlaySound(dir_ / "two.wav", SoundMode::Next);
    EXPECT_EQ(service.SoundQueueCount(), 2);
    EXPECT_EQ(service.SoundQueue(2), dir_ / "two.wav");
    ASSERT_TRUE(
        ProcessEventsUntil([&] { return main_player.FileName() == dir_ / "two.wav"; }, kPatience));

    // Interrupt: the play stops at once and only the new sound is queued.
    service.PlaySound(dir_ / "one.wav", SoundMode::Interrupt);
    EXPECT_EQ(service.SoundQueueCount(), 1);
    EXPECT_EQ(main_player.FileName(), dir_ / "one.wav");
    EXPECT_EQ(main_player.Mode(), PlayerMode::Playing);
    ASSERT_TRUE(
        ProcessEventsUntil([&] { return main_player.Mode() != PlayerMode::Playing; }, kPatience));
    EXPECT_EQ(service.SoundQueueCount(), 0);
}

TEST_F(TempoPlayTest, SlowedFilmShowsItsPicturesInStepWithItsSound) {
    QWidget panel;
    panel.resize(176, 144);
    WidgetSurface surface(&panel);
    PlatformMediaPlayer player;
    test::NotifyLog log(player);
    player.SetDisplay(&surface);
    player.SetTempo(0.7);
    player.SetFileName(test::Fixture("film.mpg"));
    ASSERT_TRUE(player.Open()) << player.ErrorText();
    const std::int64_t length = player.Length();
    const std::int64_t start = TickCount();
    player.Play();
    ProcessEventsFor(1400);
    // The sound clock has moved 70 % of the time, and the pictures with it,
    // one every 40 ms of the film (a loaded machine may drop a late one).
    const std::int64_t elapsed = TickCount() - start;
    const std::int64_t position = player.Position();
    EXPECT_NEAR(static_cast<double>(position), 0.7 * static_cast<double>(elapsed), 200);
    EXPECT_NEAR(surface.FramesPresented(), static_cast<double>(position) / 40, 5);
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
    EXPECT_GE(log.LastArrival() - start, 0.95 * static_cast<double>(length) / 0.7);
    EXPECT_GT(surface.FramesPresented(), 40);
    player.SetDisplay(nullptr);
}

} // namespace
} // namespace lumora
