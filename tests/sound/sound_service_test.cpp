#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "course/course_data.h"
#include "fake_media_player.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "sound/sound_service.h"
#include "temp_folder.h"

namespace lumora {
namespace {

using Plays = std::vector<std::string>;

class FakeTimer final : public MediaTimerHandle {
  public:
    void Enable() override { enabled = true; }
    void Disable() override { enabled = false; }
    bool IsEnabled() const override { return enabled; }
    bool enabled = false;
};

class FakeElement final : public ScreenElementHandle {
  public:
    explicit FakeElement(bool shown) : visible(shown) {}
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool IsVisible() const override { return visible; }
    bool visible;
};

class SoundServiceTest : public ::testing::Test {
  protected:
    SoundServiceTest() {
        course_.DataRoot = dir_.Path();
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}) {
            dir_.WriteBytes(std::string(name) + ".wav", "RIFF");
        }
    }

    std::string File(const std::string& name) const { return dir_ / (name + ".wav"); }
    Plays Files(std::initializer_list<const char*> names) const {
        Plays out;
        for (const char* name : names) {
            out.push_back(File(name));
        }
        return out;
    }

    test::TempFolder dir_;
    CourseData course_;
    test::FakeMediaPlayer main_;
    test::FakeMediaPlayer side_;
    SoundService service_{main_, side_};
    MessageRecorder messages_;
};

TEST_F(SoundServiceTest, AppendedFilesPlayOneAfterAnother) {
    for (const char* name : {"a", "b", "c", "d"}) {
        service_.PlaySound(File(name), SoundMode::Append);
    }
    EXPECT_EQ(main_.plays, Files({"a"}));
    EXPECT_EQ(service_.PlayTag(), "GRAM");
    main_.Finish();
    main_.Finish();
    EXPECT_EQ(main_.plays, Files({"a", "b", "c"}));
    main_.Finish();
    EXPECT_EQ(main_.plays, Files({"a", "b", "c", "d"}));
    // The last end finds the queue empty: the tag stays until the next end.
    main_.Finish();
    EXPECT_EQ(service_.SoundQueueCount(), 0);
    EXPECT_EQ(service_.PlayTag(), "GRAM");
    main_.Finish();
    EXPECT_EQ(service_.PlayTag(), "");
    EXPECT_EQ(main_.plays.size(), 4u);
}

TEST_F(SoundServiceTest, OnlySuccessfulEndsAdvanceTheQueue) {
    service_.PlaySound(File("a"), SoundMode::Append);
    service_.PlaySound(File("b"), SoundMode::Append);
    for (NotifyValue value :
         {NotifyValue::Aborted, NotifyValue::Superseded, NotifyValue::Failure}) {
        main_.Notify(value);
    }
    EXPECT_EQ(main_.plays, Files({"a"}));
}

TEST_F(SoundServiceTest, NextDuringTheQueueDropsWhatWasBehind) {
    service_.PlaySound(File("a"), SoundMode::Append);
    service_.PlaySound(File("b"), SoundMode::Append);
    service_.PlaySound(File("c"), SoundMode::Append);
    service_.PlaySound(File("d"), SoundMode::Next);
    EXPECT_EQ(service_.SoundQueueCount(), 2);
    main_.Finish();
    main_.Finish();
    main_.Finish();
    EXPECT_EQ(main_.plays, Files({"a", "d"}));
}

TEST_F(SoundServiceTest, NextWhileIdlePlaysAtOnce) {
    service_.PlaySound(File("a"), SoundMode::Next);
    EXPECT_EQ(main_.plays, Files({"a"}));
    EXPECT_EQ(service_.SoundQueueCount(), 1);
}

TEST_F(SoundServiceTest, NextDuringAForeignPlayWaitsForALaterQueuePlay) {
    service_.PlayFileNow(File("x"), false); // missing: nothing
    dir_.WriteBytes("x.wav", "RIFF");
    service_.PlayFileNow(File("x"), false);
    service_.PlaySound(File("a"), SoundMode::Append); // slot 1, not started: the player is busy
    service_.PlaySound(File("b"), SoundMode::Next);   // slot 2
    EXPECT_EQ(service_.PlayTag(), "");
    main_.Finish();
    EXPECT_EQ(main_.plays, Files({"x"}));
    // A queue play started later carries the waiting files with it.
    service_.PlaySound(File("c"), SoundMode::Append);
    main_.Finish();
    main_.Finish();
    EXPECT_EQ(main_.plays, Files({"x", "a", "b", "c"}));
}

TEST_F(SoundServiceTest, InterruptStopsPlayAllAndPlaysTheNewFile) {
    int steps = 0;
    service_.SetPlayAllStep([&steps] { ++steps; });
    service_.SetPlayTag("Slowka");
    service_.PlayFileNow(File("a"), false);
    main_.Finish();
    EXPECT_EQ(steps, 1);
    service_.PlayFileNow(File("b"), false);
    service_.PlaySound(File("c"), SoundMode::Interrupt);
    EXPECT_EQ(main_.stops, 1);
    EXPECT_EQ(main_.Position(), 0);
    EXPECT_EQ(main_.plays, Files({"a", "b", "c"}));
    EXPECT_EQ(service_.PlayTag(), "GRAM");
    // The stopped word's late notification no longer drives play-all.
    main_.Notify(NotifyValue::Aborted);
    EXPECT_EQ(steps, 1);
}

TEST_F(SoundServiceTest, PlayAllStepRunsOnEveryKindOfEnd) {
    int steps = 0;
    service_.SetPlayAllStep([&steps] { ++steps; });
    service_.SetPlayTag("Slowka");
    for (NotifyValue value :
         {NotifyValue::Successful, NotifyValue::Aborted, NotifyValue::Failure}) {
        main_.Notify(value);
    }
    EXPECT_EQ(steps, 3);
    service_.SetPlayTag("slowka"); // the tag is compared exactly
    main_.Notify(NotifyValue::Successful);
    EXPECT_EQ(steps, 3);
}

TEST_F(SoundServiceTest, EleventhAppendReplacesTheTenth) {
    const char* names[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"};
    for (const char* name : names) {
        service_.PlaySound(File(name), SoundMode::Append);
    }
    EXPECT_EQ(service_.SoundQueueCount(), 10);
    EXPECT_EQ(service_.SoundQueue(10), File("k"));
    for (int i = 0; i < 10; ++i) {
        main_.Finish();
    }
    EXPECT_EQ(main_.plays, Files({"a", "b", "c", "d", "e", "f", "g", "h", "i", "k"}));
}

TEST_F(SoundServiceTest, MissingQueuedFileStopsTheQueueUntilNextOrInterrupt) {
    service_.PlaySound(File("a"), SoundMode::Append);
    service_.PlaySound(File("missing"), SoundMode::Append);
    service_.PlaySound(File("b"), SoundMode::Append);
    main_.Finish();
    service_.PlaySound(File("c"), SoundMode::Append);
    EXPECT_EQ(main_.plays, Files({"a"}));
    EXPECT_TRUE(messages_.Messages().empty());
    service_.PlaySound(File("d"), SoundMode::Next);
    EXPECT_EQ(main_.plays, Files({"a", "d"}));
}

TEST_F(SoundServiceTest, InterruptClearsTheQueue) {
    service_.PlaySound(File("a"), SoundMode::Append);
    service_.PlaySound(File("b"), SoundMode::Append);
    service_.PlaySound(File("c"), SoundMode::Interrupt);
    EXPECT_EQ(service_.SoundQueueCount(), 1);
    EXPECT_EQ(service_.SoundQueue(2), "");
    main_.Finish();
    EXPECT_EQ(main_.plays, Files({"a", "c"}));
}

TEST_F(SoundServiceTest, UnknownModeDoesNothing) {
    service_.PlaySound(File("a"), static_cast<SoundMode>(3));
    EXPECT_TRUE(main_.plays.empty());
    EXPECT_EQ(service_.SoundQueueCount(), 0);
}

TEST_F(SoundServiceTest, ListeningRecordingAfterItsInstructionStartsTheSliderTimer) {
    FakeTimer timer;
    service_.SetMediaTimer(&timer);
    dir_.WriteBytes("Teksty_wav/ROZ_1.WAV", "RIFF");
    service_.PlaySound(File("a"), SoundMode::Next);
    service_.PlaySound(dir_ / "Teksty_wav/ROZ_1.WAV", SoundMode::Next);
    EXPECT_FALSE(timer.enabled);
    main_.Finish();
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(main_.plays.back(), dir_ / "Teksty_wav/ROZ_1.WAV");
}

TEST_F(SoundServiceTest, OtherFilesLeaveTheSliderTimerAlone) {
    FakeTimer timer;
    service_.SetMediaTimer(&timer);
    dir_.WriteBytes("roz/b_roz.wav", "RIFF");
    service_.PlaySound(File("a"), SoundMode::Next);
    service_.PlaySound(dir_ / "roz/b_roz.wav", SoundMode::Next);
    main_.Finish();
    EXPECT_FALSE(timer.enabled);
    service_.SetMediaTimer(nullptr);
}

TEST_F(SoundServiceTest, FilmAfterItsInstructionReplacesTheStill) {
    FakeElement panel(false);
    FakeElement still(true);
    service_.SetFilmPanel(&panel);
    service_.SetFilmStill(&still);
    service_.PlaySound(File("a"), SoundMode::Next);
    service_.PlaySound(File("b"), SoundMode::Next);
    main_.Finish();
    EXPECT_FALSE(panel.visible) << "not a film exercise";
    service_.SetFilmMode(true);
    service_.PlaySound(File("c"), SoundMode::Next);
    main_.Finish();
    EXPECT_TRUE(panel.visible);
    EXPECT_FALSE(still.visible);
    service_.SetFilmMode(false);
    service_.SetFilmPanel(nullptr);
    service_.SetFilmStill(nullptr);
}

TEST_F(SoundServiceTest, FilmPanelStaysHiddenWhenTheQueueRunsDry) {
    FakeElement panel(false);
    service_.SetFilmPanel(&panel);
    service_.SetFilmMode(true);
    service_.PlaySound(File("a"), SoundMode::Next);
    main_.Finish();
    EXPECT_FALSE(panel.visible);
    service_.SetFilmMode(false);
    service_.SetFilmPanel(nullptr);
}

TEST_F(SoundServiceTest, InstructionIsFoundWhateverTheLetterCase) {
    dir_.WriteBytes("Polecenia/12.WAV", "RIFF");
    service_.PlaySound(File("a"), SoundMode::Next);
    service_.PlayInstruction(course_, 12);
    main_.Finish();
    EXPECT_EQ(main_.plays.back(), dir_ / "Polecenia/12.WAV");
}

TEST_F(SoundServiceTest, PlayMediaResumesThePausedFileAndRestartsAnother) {
    FakeTimer timer;
    service_.SetMediaTimer(&timer);
    service_.PlayMedia(File("a"), false);
    EXPECT_TRUE(timer.enabled);
    main_.Seek(4000);
    service_.PauseMedia();
    EXPECT_EQ(main_.Mode(), PlayerMode::Paused);
    EXPECT_FALSE(timer.enabled);
    service_.PlayMedia(File("a"), false);
    EXPECT_EQ(main_.opens, 1);
    EXPECT_EQ(main_.Position(), 4000);
    EXPECT_EQ(main_.Mode(), PlayerMode::Playing);
    service_.PlayMedia(File("b"), false);
    EXPECT_EQ(main_.opens, 2);
    EXPECT_EQ(main_.Position(), 0);
    EXPECT_EQ(main_.plays, Files({"a", "a", "b"}));
    service_.SetMediaTimer(nullptr);
}

TEST_F(SoundServiceTest, PlayMediaReopensItsFileAfterThePlayerWasClosed) {
    service_.PlayMedia(File("a"), false);
    main_.Close(); // as a recording does
    service_.PlayMedia(File("a"), false);
    EXPECT_EQ(main_.opens, 2);
    EXPECT_EQ(main_.Mode(), PlayerMode::Playing);
}

TEST_F(SoundServiceTest, StopMediaRewindsOnlyAPlayingOrPausedPlayer) {
    FakeTimer timer;
    service_.SetMediaTimer(&timer);
    service_.StopMedia();
    EXPECT_EQ(main_.stops, 0);
    service_.PlayMedia(File("a"), false);
    main_.Seek(3000);
    service_.StopMedia();
    EXPECT_EQ(main_.stops, 1);
    EXPECT_EQ(main_.Position(), 0);
    EXPECT_FALSE(timer.enabled);
    // After a stop the same file plays from its beginning.
    service_.PlayMedia(File("a"), false);
    EXPECT_EQ(main_.Position(), 0);
    service_.SetMediaTimer(nullptr);
}

TEST_F(SoundServiceTest, SeekMediaStepsByTheRoundedHundredAndTwentyFifth) {
    const std::map<std::int64_t, std::pair<int, std::int64_t>> cases = {
        {1000, {125, 1000}}, // 8 ms a step
        {1062, {125, 1000}}, // 8.496 rounds down: the last step falls short of the end
        {1063, {10, 90}},    // 8.504 rounds up
        {100, {5, 5}},       // 0.8 rounds to 1
        {50, {125, 0}},      // 0.4 rounds to 0
    };
    service_.PlayMedia(File("a"), false);
    for (const auto& [length, step_and_position] : cases) {
        main_.length = length;
        service_.SeekMedia(step_and_position.first);
        EXPECT_EQ(main_.Position(), step_and_position.second) << "length " << length;
    }
}

TEST_F(SoundServiceTest, PlayFileNowLeavesQueueAndTagAlone) {
    service_.PlaySound(File("a"), SoundMode::Append);
    service_.PlaySound(File("b"), SoundMode::Append);
    service_.PlayFileNow(File("c"), true);
    EXPECT_TRUE(main_.last_wait);
    EXPECT_EQ(service_.PlayTag(), "GRAM");
    EXPECT_EQ(service_.SoundQueueCount(), 2);
    service_.PlayFileNow("", false);
    service_.PlayFileNow(File("missing"), false);
    EXPECT_EQ(main_.plays, Files({"a", "c"}));
}

TEST_F(SoundServiceTest, FileThatCannotBeOpenedIsReported) {
    main_.unopenable.insert(File("a"));
    service_.PlaySound(File("a"), SoundMode::Next);
    EXPECT_EQ(messages_.Messages(), std::vector<std::string>{main_.open_error});
    EXPECT_TRUE(main_.plays.empty());
}

TEST_F(SoundServiceTest, SideSoundIsNotTestedForExistenceButReportsAFailedOpen) {
    service_.PlaySideSound(File("a"));
    EXPECT_EQ(side_.plays, Files({"a"}));
    side_.unopenable.insert(File("missing"));
    service_.PlaySideSound(File("missing"));
    EXPECT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(side_.plays.size(), 1u);
    EXPECT_TRUE(main_.plays.empty());
}

TEST_F(SoundServiceTest, CloseSideSoundStopsAndCloses) {
    service_.PlaySideSound(File("a"));
    service_.CloseSideSound();
    EXPECT_EQ(side_.stops, 1);
    EXPECT_EQ(side_.Mode(), PlayerMode::NotReady);
    service_.CloseSideSound();
    EXPECT_EQ(side_.stops, 1);
}

class FeedbackSoundTest : public ::testing::Test {
  protected:
    FeedbackSoundTest() { FixRandomSeed(42); }
    ~FeedbackSoundTest() override { ReleaseRandomSeed(); }
};

TEST_F(FeedbackSoundTest, FixedSetsGiveTheirOwnSounds) {
    const std::map<int, std::pair<std::string, std::string>> cases = {
        {1, {"Ok_1.wav", "No_1.wav"}}, {2, {"Ok_2.wav", "No_2.wav"}},
        {3, {"Ok_3.wav", "No_3.wav"}}, {0, {"Ok_1.wav", "No_1.wav"}},
        {5, {"Ok_1.wav", "No_1.wav"}}, {-1, {"Ok_1.wav", "No_1.wav"}},
    };
    for (const auto& [set, names] : cases) {
        EXPECT_EQ(PraiseSoundName(set), names.first) << "set " << set;
        EXPECT_EQ(FailureSoundName(set), names.second) << "set " << set;
    }
}

TEST_F(FeedbackSoundTest, RandomSetDrawsEveryPraiseButOnlyTwoFailures) {
    std::map<std::string, int> praise;
    std::map<std::string, int> failure;
    constexpr int kDraws = 600;
    for (int i = 0; i < kDraws; ++i) {
        ++praise[PraiseSoundName(4)];
        ++failure[FailureSoundName(4)];
    }
    ASSERT_EQ(praise.size(), 3u);
    for (const auto& [name, count] : praise) {
        EXPECT_GT(count, kDraws / 5) << name;
    }
    ASSERT_EQ(failure.size(), 2u);
    EXPECT_GT(failure["No_1.wav"], kDraws / 3);
    EXPECT_GT(failure["No_2.wav"], kDraws / 3);
}

} // namespace
} // namespace lumora
