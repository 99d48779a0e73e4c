#include <gtest/gtest.h>

#include "engine_support.h"
#include "platform/media/backend_loader.h"
#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/random.h"
#include "temp_folder.h"

namespace lumora {
namespace {

constexpr int kPatience = 5000;

// The program's players do not wait for the sound module: what they are
// asked before it has loaded is kept and played once it has. The module
// loads once per process, so these run only where no earlier test loaded it
// (ctest runs every test in a process of its own). Each starts with the load
// held.
class QueuedPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApplication();
        if (MediaModuleLoadEnded(MediaModule::Sound)) {
            GTEST_SKIP() << "the sound module was loaded by an earlier test of this process";
        }
        HoldMediaBackendLoad(true);
    }
    void TearDown() override { HoldMediaBackendLoad(false); }

    std::string Tone(int milliseconds) {
        const std::string path = dir_ / "tone.wav";
        test::WriteTone(path, milliseconds);
        return path;
    }

    test::TempFolder dir_;
};

TEST_F(QueuedPlayerTest, CallsMadeBeforeTheBackendLoadsAreKeptAndEveryPlayReportedOnce) {
    const std::string tone = Tone(600);
    PlatformMediaPlayer player;
    player.QueueWhileLoading();
    test::NotifyLog log(player);

    player.SetFileName(dir_ / "missing.wav");
    ASSERT_TRUE(player.Open());
    player.Play();
    // Opening another file ends the queued play.
    player.SetFileName(tone);
    ASSERT_TRUE(player.Open());
    EXPECT_EQ(player.Mode(), PlayerMode::Stopped);
    player.Play();
    EXPECT_EQ(player.Mode(), PlayerMode::Playing);
    player.Pause();
    EXPECT_EQ(player.Mode(), PlayerMode::Paused);
    player.Seek(-50);
    EXPECT_EQ(player.Position(), 0);
    player.Seek(200);
    EXPECT_EQ(player.Position(), 200);
    player.Play();
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Aborted);
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Aborted);

    // Held: the calls stay queued however long the event loop runs.
    ProcessEventsFor(150);
    EXPECT_FALSE(MediaModuleLoadEnded(MediaModule::Sound));
    EXPECT_EQ(player.Mode(), PlayerMode::Playing);
    EXPECT_EQ(log.Values().size(), 2u);

    HoldMediaBackendLoad(false);
    const std::int64_t start = TickCount();
    EXPECT_EQ(log.WaitForNext(kPatience), NotifyValue::Successful);
    // The play went on from 200 ms, the rest of the 600 ms tone.
    EXPECT_GE(log.LastArrival() - start, 300);
    EXPECT_EQ(player.Length(), 600);
    EXPECT_EQ(player.Position(), 600);
    EXPECT_EQ(player.Mode(), PlayerMode::Stopped);
    ProcessEventsFor(100);
    EXPECT_EQ(log.Values().size(), 3u);
}

TEST_F(QueuedPlayerTest, AQueuedPlayStoppedOrClosedBeforeTheLoadIsNotPlayedLater) {
    const std::string tone = Tone(400);
    PlatformMediaPlayer stopped;
    PlatformMediaPlayer closed;
    stopped.QueueWhileLoading();
    closed.QueueWhileLoading();
    test::NotifyLog stopped_log(stopped);
    test::NotifyLog closed_log(closed);
    for (PlatformMediaPlayer* player : {&stopped, &closed}) {
        player->SetFileName(tone);
        ASSERT_TRUE(player->Open());
        player->Play();
    }
    stopped.Stop();
    closed.Close();
    EXPECT_EQ(stopped_log.WaitForNext(kPatience), NotifyValue::Aborted);
    EXPECT_EQ(closed_log.WaitForNext(kPatience), NotifyValue::Aborted);
    EXPECT_EQ(closed.Mode(), PlayerMode::NotReady);

    HoldMediaBackendLoad(false);
    ASSERT_TRUE(
        ProcessEventsUntil([] { return MediaModuleLoadEnded(MediaModule::Sound); }, kPatience));
    ProcessEventsFor(700);
    EXPECT_EQ(stopped.Mode(), PlayerMode::Stopped);
    EXPECT_EQ(stopped.Position(), 0);
    EXPECT_EQ(stopped_log.Values().size(), 1u);
    EXPECT_EQ(closed_log.Values().size(), 1u);
    // The closed player plays nothing until it is opened again.
    closed.Play();
    EXPECT_EQ(closed_log.WaitForNext(kPatience), NotifyValue::Failure);
}

} // namespace
} // namespace lumora
