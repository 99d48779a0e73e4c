#pragma once
// The drag-and-drop screen: up to forty words in a shuffled pool above a
// table of up to eight columns. The learner drags each word onto its column;
// the check counts the words in their own column, sends the wrong ones home
// leaving an exclamation mark in their cell (its hint is the wrong word), and
// moves every word into its column.
#include "exercises/drag_drop/drag_drop_board.h"
#include "exercises/exercise_frame.h"
#include "platform/ui/dragging.h"

#include <array>
#include <optional>

namespace lumora {

class TC_DDForm : public ExerciseFrame {
  public:
    explicit TC_DDForm(RunContext& context);

    TTransparentButton* btn_ok; // the frame's check button
    PaintBox* PaintBox2;        // the table, over the whole screen
    // The word labels; word w of the shuffled order is shown by lbl[w],
    // whose Tag is w + 1.
    std::array<Label*, kMaxTableWords> lbl{};
    QImage tmp_wykrzykniczek;
    lumora::Dragging* Drag; // moves the word labels

    void PaintBox2Paint(Canvas& canvas);
    void PaintBox2MouseMove(int x, int y);
    void btn_OKClick();
    // The words as they lie now; empty before the first load.
    const DragDropBoard* Board() const { return board_ ? &*board_ : nullptr; }

  protected:
    void CreateControls() override;
    std::optional<std::string> ReadContent(const StRecord& record) override;
    void ResetExercise() override;
    LessonScore Score() const override;
    void CheckClick() override { btn_OKClick(); }

  private:
    bool lbl_1StartDrag(QWidget& label);
    void lbl_1EndDrag(QWidget& label, QWidget* target, QPoint at);
    void ShowWordPlaces();

    DragDropContent content_;
    std::optional<DragDropBoard> board_;
};

} // namespace lumora
