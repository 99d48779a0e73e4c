#pragma once
// The typing drill (code 32): a question mark under each of eight pictures;
// a click on one opens an entry there, Enter checks the English word typed,
// Tab moves to the next open one; a word found shows its label.
#include "exercises/presentation/presentation_mode.h"
#include "exercises/presentation/typing_drill.h"

namespace lumora {

class TPrezentacjaForm;

class TypingView : public PresentationMode {
  public:
    TypingView(TPrezentacjaForm& screen, RunContext& context)
        : screen_(screen), context_(context) {}

    std::vector<int> Prepare(const std::vector<int>& rows) override;
    void Start() override { QuestionClicked(1); }
    bool PicturesClick() const override { return false; }
    bool Solved(int position) const override { return drill_.Solved(position); }
    void RevealSlot(int slot) override;
    bool ShortCut(int key) override;
    LessonScore Score() const override;
    void Leave() override;

    // A click on the question mark of slot 1..8.
    void QuestionClicked(int slot);
    const TypingDrill& Drill() const { return drill_; }

  private:
    void OpenEntry(int position);
    void EnterTyped();

    TPrezentacjaForm& screen_;
    RunContext& context_;
    TypingDrill drill_;
};

} // namespace lumora
