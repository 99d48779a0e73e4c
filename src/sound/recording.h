#pragma once
// Voice recording: while the microphone button is held the default input is
// recorded; on release the recording is saved to UserDataFolder + "tmp1.Wav",
// which the main player then plays. A device that cannot open is reported
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
    void StopRecording();
    // Shows the device's text for a failed step, followed by the step name.
    void CheckMciResult(int code, const std::string& step);

    bool RecordingActive() const { return recordingActive_; }

  private:
    RecorderDevice& device_;
    MediaPlayer& main_;
    bool recordingActive_ = false;
};

// The recording the free functions act on; installing returns the previous one.
Recording* InstallRecording(Recording* recording);
void StartRecording();
void StopRecording();
// Whether a recording runs: false after a start whose device could not open.
bool RecordingActive();

} // namespace lumora
