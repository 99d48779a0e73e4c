#include <gtest/gtest.h>

#include "engine_support.h"
#include "platform/media/event_wait.h"
#include "platform/media/platform_media_player.h"
#include "platform/random.h"
#include "sound/sound_service.h"
#include "temp_folder.h"

namespace lumora {
namespace {

// The queue advances on the engine's own notifications, with no sound card.
TEST(SoundQueueEngineTest, QueuedPromptsFollowOneAnotherOnRealNotifications) {
    test::EnsureApplication();
    test::TempFolder dir;
    test::WriteTone(dir / "one.wav", 300);
    test::WriteTone(dir / "two.wav", 300, 44100, 2);
    PlatformMediaPlayer main_player;
    PlatformMediaPlayer side_player;
    SoundService service(main_player, side_player);

    const std::int64_t start = TickCount();
    service.PlaySound(dir / "one.wav", SoundMode::Append);
    service.PlaySound(dir / "two.wav", SoundMode::Append);
    EXPECT_EQ(main_player.FileName(), dir / "one.wav");
    ASSERT_TRUE(
        ProcessEventsUntil([&] { return main_player.FileName() == dir / "two.wav"; }, 5000));
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return service.PlayTag().empty() || service.SoundQueueCount() == 0; }, 5000));
    ProcessEventsUntil([&] { return main_player.Mode() != PlayerMode::Playing; }, 5000);
    EXPECT_GE(TickCount() - start, 500);
}

} // namespace
} // namespace lumora
