#pragma once
// The vocabulary screen's microphone: the word last heard is the one to
// record; holding the microphone button records the learner, letting go
// plays the recording back followed by the model and draws the two voices
// side by side; the speaker button plays them again.
#include "users/run_context.h"

#include <memory>

namespace lumora {

class TPrezentacjaForm;
class VoicePicture;

class WordRecorder {
  public:
    // The shortest recording kept, in milliseconds.
    static constexpr int kShortestRecording = 250;

    WordRecorder(TPrezentacjaForm& screen, RunContext& context);
    ~WordRecorder();

    // Makes the voice picture; once the screen's controls exist.
    void CreatePicture();
    // A new lesson: nothing heard, nothing recorded.
    void Reset();
    // The word of a data row was heard: it is the one to record now.
    void Heard(int dataRow);
    void Start();
    void Stop();
    void PlayBack();
    void Hide();

    bool Recorded() const { return recorded_; }
    int Row() const { return row_; }

  private:
    TPrezentacjaForm& screen_;
    RunContext& context_;
    std::unique_ptr<VoicePicture> voices_;
    bool recorded_ = false;
    int row_ = 0;
};

} // namespace lumora
