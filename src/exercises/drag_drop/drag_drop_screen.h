#pragma once
// The drag-and-drop screen: up to forty words in a shuffled pool above a
// table of up to eight columns. The learner drags each word onto its column;
// the check counts the words in their own column, sends the wrong ones home
// leaving an exclamation mark in their cell (its hint is the wrong word), and
// moves every word into its column.
#include "exercises/common/key_drag.h"
#include "exercises/drag_drop/drag_drop_board.h"
#include "exercises/exercise_frame.h"
#include "platform/ui/dragging.h"
#include "platform/ui/keyboard_grid.h"

#include <array>
#include <memory>
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
    // The words carried by keys: the current word and, while one is carried,
    // its target (0 the pool, c column c).
    const KeyCarry& Keys() const { return keyDrag_->Carry(); }

  protected:
    void CreateControls() override;
    std::optional<std::string> ReadContent(const StRecord& record) override;
    void ResetExercise() override;
    LessonScore Score() const override;
    void CheckClick() override { btn_OKClick(); }
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;

  private:
    bool lbl_1StartDrag(QWidget& label);
    void lbl_1EndDrag(QWidget& label, QWidget* target, QPoint at);
    void ShowWordPlaces();
    // Where a drop of word w by keys lands: in the pool its home, on a column
    // the top of its drop area.
    // The carrying by keys, and the focus mark on the word or its target.
    bool WordKey(int key, Qt::KeyboardModifiers modifiers);
    QRect KeyMarkRect(int w) const;
    std::string WordName(int w) const;
    QPoint KeyDropPoint(int w, int target) const;

    DragDropContent content_;
    std::optional<DragDropBoard> board_;
    std::unique_ptr<KeyDrag> keyDrag_;
    std::unique_ptr<KeyboardGrid> words_;
};

} // namespace lumora
