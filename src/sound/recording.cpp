#include "recording.h"

#include "platform/message_box.h"
#include "platform/text_file.h"

namespace lumora {
namespace {

constexpr std::size_t kMaxErrorText = 200;

// Cuts at most to the limit without splitting a UTF-8 character.
std::string Truncated(std::string text) {
    if (text.size() <= kMaxErrorText) {
        return text;
    }
    std::size_t end = kMaxErrorText;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) {
        --end;
    }
    text.resize(end);
    return text;
}

} // namespace

Recording::Recording(RecorderDevice& device, MediaPlayer& main_player)
    : device_(device), main_(main_player) {}

void Recording::StartRecording() {
    if (recordingActive_) {
        return;
    }
    // Without a capture device the open fails: that one message says so,
    // and nothing is recorded, saved or closed, as three more messages for
    // the steps that cannot follow would tell the learner nothing new.
    const int opened = device_.Open();
    CheckMciResult(opened, "Open");
    if (opened != 0) {
        return;
    }
    recordingActive_ = true;
    CheckMciResult(device_.Record(), "Record");
}

void Recording::StopRecording(const std::string& path) {
    if (recordingActive_) {
        // The main player may hold the previous recording open.
        main_.Close();
        // A save killed part-way leaves its temporary beside the recording;
        // nothing else removes it, so each save clears those of the last.
        RemoveStaleTemporaries(path);
        CheckMciResult(device_.Save(path), "Save");
        CheckMciResult(device_.Close(), "Close");
    }
    recordingActive_ = false;
}

void Recording::CheckMciResult(int code, const std::string& step) {
    if (code != 0) {
        ShowMessage(Truncated(device_.ErrorText(code)) + " " + step);
    }
}

} // namespace lumora
