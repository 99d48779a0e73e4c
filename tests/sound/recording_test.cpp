#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "course/course_data.h"
#include "fake_media_player.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "sound/recording.h"
#include "temp_folder.h"

namespace lumora {
namespace {

// A capture device that logs its steps and fails them all when told to.
class FakeRecorder final : public RecorderDevice {
  public:
    int Open() override { return Step("open"); }
    int Record() override { return Step("record"); }
    int Save(const std::string& path) override {
        saved_to = path;
        return Step("save");
    }
    int Close() override { return Step("close"); }
    std::string ErrorText(int code) const override { return code == 7 ? error_text : ""; }

    std::vector<std::string> steps;
    std::string saved_to;
    bool failing = false;
    std::string error_text = "No recording device.";

  private:
    int Step(const std::string& name) {
        steps.push_back(name);
        return failing ? 7 : 0;
    }
};

class RecordingTest : public ::testing::Test {
  protected:
    RecordingTest() {
        course_.UserDataFolder = dir_.Path();
        main_.SetFileName(dir_ / "tmp1.wav");
        main_.Open();
    }

    // Where the presentation saves the learner's recording: the user folder's
    // "tmp1.Wav", whatever the letter case of a file already there.
    std::string Saved() const { return course_.UserPath("tmp1.Wav"); }

    test::TempFolder dir_;
    CourseData course_;
    test::FakeMediaPlayer main_;
    FakeRecorder device_;
    Recording recording_{device_, main_};
    MessageRecorder messages_;
};

TEST_F(RecordingTest, PressAndReleaseSavesToTheUserFolder) {
    recording_.StartRecording();
    EXPECT_TRUE(recording_.RecordingActive());
    recording_.StartRecording(); // a second press while recording is ignored
    EXPECT_EQ(device_.steps, (std::vector<std::string>{"open", "record"}));
    recording_.StopRecording(Saved());
    EXPECT_EQ(device_.steps, (std::vector<std::string>{"open", "record", "save", "close"}));
    EXPECT_EQ(device_.saved_to, dir_ / "tmp1.Wav");
    EXPECT_EQ(main_.Mode(), PlayerMode::NotReady) << "the main player lets go of the old file";
    EXPECT_FALSE(recording_.RecordingActive());
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(RecordingTest, SavesOverTheExistingRecordingWhateverItsLetterCase) {
    dir_.WriteBytes("TMP1.WAV", "old");
    dir_.WriteBytes("TMP1.WAV.tmp.a1B2c3", "left by a save that was killed");
    recording_.StartRecording();
    recording_.StopRecording(Saved());
    EXPECT_EQ(device_.saved_to, dir_ / "TMP1.WAV");
    EXPECT_FALSE(PathExists(dir_ / "TMP1.WAV.tmp.a1B2c3"));
    EXPECT_EQ(dir_.ReadBytes("TMP1.WAV"), "old");
}

TEST_F(RecordingTest, ReleaseWithoutARecordingDoesNothing) {
    recording_.StopRecording(Saved());
    EXPECT_TRUE(device_.steps.empty());
    EXPECT_EQ(main_.closes, 0);
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(RecordingTest, NoDeviceIsReportedOnceAndNothingElseIsTried) {
    device_.failing = true;
    recording_.StartRecording();
    EXPECT_FALSE(recording_.RecordingActive());
    recording_.StopRecording(Saved());
    EXPECT_EQ(messages_.Messages(), std::vector<std::string>{device_.error_text + " Open"});
    EXPECT_EQ(device_.steps, std::vector<std::string>{"open"});
    EXPECT_EQ(main_.closes, 0);
}

TEST_F(RecordingTest, LaterFailedStepsAreReportedWithTheirNames) {
    recording_.StartRecording();
    device_.failing = true;
    recording_.StopRecording(Saved());
    const std::string text = device_.error_text;
    EXPECT_EQ(messages_.Messages(), (std::vector<std::string>{text + " Save", text + " Close"}));
    EXPECT_FALSE(recording_.RecordingActive());
}

TEST_F(RecordingTest, LongErrorTextIsCutToTwoHundredCharacters) {
    device_.failing = true;
    device_.error_text = std::string(198, 'x') + "\xC5\x82" + "yyy"; // "ł" spans bytes 198-199
    recording_.CheckMciResult(7, "Open");
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0], std::string(198, 'x') + "\xC5\x82 Open");
    messages_.Clear();
    device_.error_text = std::string(199, 'x') + "\xC5\x82";
    recording_.CheckMciResult(7, "Save");
    EXPECT_EQ(messages_.Messages()[0], std::string(199, 'x') + " Save");
}

TEST_F(RecordingTest, ZeroCodeReportsNothing) {
    recording_.CheckMciResult(0, "Open");
    EXPECT_TRUE(messages_.Messages().empty());
}

} // namespace
} // namespace lumora
