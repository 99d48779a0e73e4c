#pragma once
// A run for screen tests: fake players whose plays end when the test says so,
// a capture device that records nothing, and a run of its own on them (the
// course the test loads into run.course, the session, the dialogs and the
// context that screens are made with). Needs the Qt application.
#include "fake_media_player.h"
#include "platform/text_file.h"
#include "shell/standalone_run.h"
#include "sound/recording.h"
#include "sound/sound_service.h"

#include <string>
#include <vector>

namespace lumora::test {

// A capture device that records nothing and fails when told to.
class FakeRecorder final : public RecorderDevice {
  public:
    int Open() override { return failing ? 3 : 0; }
    int Record() override { return 0; }
    int Save(const std::string& path) override {
        ++saves;
        WriteFileAtomic(path, "RIFF");
        return 0;
    }
    int Close() override { return 0; }
    std::string ErrorText(int) const override { return "No capture device."; }

    bool failing = false;
    int saves = 0;
};

// Dialogs whose message screen and question the test answers: every text is
// kept, and every question is answered as `answer` says.
class AnsweringDialogs : public PlainDialogs {
  public:
    using PlainDialogs::PlainDialogs;

    void ShowMessageScreen(const std::string& text) override { messages.push_back(text); }
    bool AskQuestion(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = true;
};

struct TestRun {
    FakeMediaPlayer player;
    FakeMediaPlayer side;
    SoundService sound{player, side};
    FakeRecorder recorder;
    Recording recording{recorder, player};
    StandaloneRun run{sound, recording};
};

} // namespace lumora::test
