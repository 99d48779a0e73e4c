#pragma once
// The multiple-choice screen: up to eleven questions with two to four answers
// each, in one scrollable paint box. The learner picks one answer per question
// and presses the check button: wrong choices are crossed, right answers
// ticked, and a praise or failure sound plays over the paused recording.
#include "choice_content.h"
#include "choice_keys.h"
#include "choice_layout.h"
#include "exercises/exercise_frame.h"
#include "platform/ui/keyboard_grid.h"

#include <memory>
#include <vector>

namespace lumora {

class TC_MC_Form : public ExerciseFrame {
  public:
    explicit TC_MC_Form(RunContext& context);

    PaintBox* pb_tresc;
    TTransparentButton* btn_ok; // the frame's check button
    Picture* img_normal;
    Picture* img_checked;
    Picture* img_bad;

    void pb_trescPaint(Canvas& canvas);
    void pb_trescMouseDown(int x, int y);
    void pb_trescMouseMove(int x, int y);
    void btn_okClick();

    // The questions as shuffled for this load, and the learner's answers.
    const ChoiceContent& Content() const { return content_; }
    const ChoiceState& State() const { return state_; }
    // The answers' click areas as last painted.
    const std::vector<AnswerArea>& AnswerAreas() const { return areas_; }
    // The answer the arrows have made current; Space or Enter chooses it.
    const ChoiceKeys& Keys() const { return keys_; }

  protected:
    void CreateControls() override;
    std::optional<std::string> ReadContent(const StRecord& record) override;
    void ResetExercise() override;
    LessonScore Score() const override;
    void CheckClick() override { btn_okClick(); }
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    const QImage& MarkImage(AnswerMark mark) const;
    void Repaint();
    // Scrolls until the current answer is inside the box.
    void ScrollToCurrent();
    const AnswerArea* AreaOf(ChoicePick pick) const;
    // The arrows, Space and Enter on the answers; true when they took the key.
    bool AnswerKey(int key, Qt::KeyboardModifiers modifiers);
    std::string AnswerName(int index) const;

    ChoiceContent content_;
    ChoiceState state_{content_};
    std::vector<AnswerArea> areas_;
    ChoiceKeys keys_;
    std::unique_ptr<KeyboardGrid> answers_;
    // Bold and italic as the last paint left them.
    bool bold_ = false;
    bool italic_ = false;
};

} // namespace lumora
