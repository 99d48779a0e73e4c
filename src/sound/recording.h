#pragma once
// Voice recording: while the microphone button is held the default input is
// recorded; on release the recording is saved to the file given (the
// learner's "tmp1.Wav" in the user data folder), which the main player then
// plays. A device that cannot open is reported
// once and nothing more is tried until the next start.
#include <string>

#include "platform/media/media_player.h"
#include "platform/media/recorder_device.h"

namespace lumora {

class Recording {
  public:
    // Neither is owned; both must outlive the recording.
    Recording(RecorderDevice& device, MediaPlayer& main_player);

    void StartRecording();
    void StopRecording(const std::string& path);
    // Shows the device's text for a failed step, followed by the step name.
    void CheckMciResult(int code, const std::string& step);

    bool RecordingActive() const { return recordingActive_; }

  private:
    RecorderDevice& device_;
    MediaPlayer& main_;
    bool recordingActive_ = false;
};

} // namespace lumora
