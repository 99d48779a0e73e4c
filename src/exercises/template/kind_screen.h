#pragma once
// <The screen: what it shows and which controls the learner uses.> It holds
// the controls and their handlers and leaves every decision to KindState.
#include "exercises/exercise_frame.h"
#include "kind_rules.h"

#include <optional>

namespace lumora {

class TKindForm : public ExerciseFrame {
  public:
    // The frame's options (where its buttons stand, whether it plays media)
    // come from a function beside the constructor.
    explicit TKindForm(RunContext& context);

    TTransparentButton* btn_ok = nullptr; // the frame's check button

    void btn_okClick();

  protected:
    void CreateControls() override;
    std::optional<std::string> ReadContent(const StRecord& record) override;
    void ResetExercise() override;
    LessonScore Score() const override;
    void CheckClick() override { btn_okClick(); }

  private:
    KindContent content_;
    std::optional<KindState> state_;
};

} // namespace lumora
