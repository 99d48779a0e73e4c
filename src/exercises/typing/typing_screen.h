#pragma once
// The typing screen: a text, usually what the recording or film says, with
// gaps. The learner opens a gap by clicking it (or moves on with Tab or
// Enter), types the missing word into the small edit box laid over it, and
// presses the check button: right gaps stay as typed, the others show their
// answer after an exclamation picture whose hint is what had been typed.
#include "exercises/exercise_frame.h"
#include "exercises/typing/typing_layout.h"
#include "exercises/typing/typing_state.h"
#include "platform/ui/edit_box.h"

#include <vector>

namespace lumora {

class TCW_Wpisywanie1Form : public ExerciseFrame {
  public:
    explicit TCW_Wpisywanie1Form(RunContext& context);

    PaintBox* DXRamka;
    EditBox* Edit1;
    Picture* tmp_wykrzykniczek;
    TTransparentButton* btn_sprawdz; // the frame's check button

    void DXRamkaPaint(Canvas& canvas);
    void DXRamkaMouseDown(int x, int y);
    void DXRamkaMouseMove(int x, int y);
    void btn_sprawdzClick();
    // Opens the gap in word slot w for typing, when it is in view.
    void OpenGap(int w);

    const TypingState& State() const { return state_; }
    // The gaps' areas as last painted.
    const std::vector<GapArea>& GapAreas() const { return gaps_; }

  protected:
    void CreateControls() override;
    std::optional<std::string> ReadContent(const StRecord& record) override;
    void ResetExercise() override;
    LessonScore Score() const override;
    void CheckClick() override { btn_sprawdzClick(); }
    bool FormShortCut(int key, Qt::KeyboardModifiers modifiers) override;
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;
    // Scrolling closes the open gap first, keeping what was typed.
    void ContentScrolled() override;

  private:
    // Closes the edit box; the open gap keeps what was typed.
    void CloseEditor();
    // Opens the first gap that stands in view; false when none does.
    bool OpenFirstGapInView();
    void Repaint();
    const GapArea* AreaOf(int w) const;

    TypingText read_; // as read by the last load, before any typing
    TypingState state_;
    std::vector<GapArea> gaps_;
};

} // namespace lumora
