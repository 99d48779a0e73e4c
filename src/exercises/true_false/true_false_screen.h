#pragma once
// The true/false screen: up to fourteen statements in a shuffled order, each
// with a "true" and a "false" box under the two headings. The learner ticks
// one box per statement and presses the check button: each statement then
// shows its right box ticked, a wrong tick crossed, and an exclamation mark
// where nothing was ticked.
#include "elements/hover_controls.h"
#include "exercises/common/key_cursor.h"
#include "exercises/exercise_frame.h"
#include "exercises/true_false/true_false_content.h"
#include "exercises/true_false/true_false_state.h"

#include <array>

namespace lumora {

class TC_TF_Form : public ExerciseFrame {
  public:
    explicit TC_TF_Form(RunContext& context);

    PaintBox* pb_tresc;
    TTransparentButton* btn_ok;   // the frame's check button
    TTransparentButton* lbl_exit; // the frame's exit button
    // The boxes of statement n (0-based) and its exclamation mark; their Tag
    // is the statement's number from 1.
    std::array<TMImage*, kMaxStatements> L{};
    std::array<TMImage*, kMaxStatements> R{};
    std::array<Picture*, kMaxStatements> wyk{};
    Picture* img_normal;
    Picture* img_checked;
    Picture* img_bad;
    Picture* tmp_wykrzykniczek;

    void pb_trescPaint(Canvas& canvas);
    void L_1Click(int tag);
    void R_1Click(int tag);
    void btn_okClick();

    // The statements as shuffled for this load, and the learner's ticks.
    const TrueFalseContent& Content() const { return content_; }
    const TrueFalseState& State() const { return state_; }
    // The box the arrows have made current: Row() is the statement, Column()
    // 0 its "true" box and 1 its "false" box; Space or Enter ticks it.
    const GridCursor& Keys() const { return keys_; }

  protected:
    void CreateControls() override;
    std::optional<std::string> ReadContent(const StRecord& record) override;
    void ResetExercise() override;
    LessonScore Score() const override;
    void CheckClick() override { btn_okClick(); }
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    const QImage& BoxImage(AnswerMark mark) const;
    void ShowBoxStates();
    void PlaceBoxes(int trueCentre, int falseCentre, const std::vector<int>& tops);

    TrueFalseContent content_;
    TrueFalseState state_{content_};
    GridCursor keys_;
    bool firstPaint_ = true;
};

} // namespace lumora
