#pragma once
// The picture choice (code 31): a word is heard, the learner clicks its
// picture among four; the points and a progress bar grow as the words are
// found, and the result box follows the last one.
#include "exercises/presentation/choice_drill.h"
#include "exercises/presentation/presentation_mode.h"

namespace lumora {

class TPrezentacjaForm;

class ChoiceView : public PresentationMode {
  public:
    ChoiceView(TPrezentacjaForm& screen, RunContext& context)
        : screen_(screen), context_(context) {}

    std::vector<int> Prepare(const std::vector<int>& rows) override;
    void Start() override { PlayTarget(); }
    void PictureClicked(int position) override;
    void RevealSlot(int /*slot*/) override {}
    LessonScore Score() const override;
    void Leave() override;

    // Plays the word to find again.
    void PlayTarget();
    const ChoiceDrill& Drill() const { return drill_; }

  private:
    void ShowPoints();

    TPrezentacjaForm& screen_;
    RunContext& context_;
    ChoiceDrill drill_;
};

} // namespace lumora
