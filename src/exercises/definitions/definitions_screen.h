#pragma once
// The definitions screen: up to twelve definitions one under the other in a
// painted box, each with an empty slot and a dash to its left, and above them
// the defined words in a shuffled pool. The learner drags each word into the
// slot of its definition; the check counts the words in their own slot and,
// when some are wrong, puts one exclamation mark beside the first slot whose
// hint lists the learner's answers, and moves every word into its slot.
#include "exercises/common/exclamation_mark.h"
#include "exercises/common/key_drag.h"
#include "exercises/definitions/definitions_board.h"
#include "exercises/exercise_frame.h"
#include "platform/ui/dragging.h"
#include "platform/ui/keyboard_grid.h"

#include <array>
#include <memory>
#include <optional>

namespace lumora {

class TC_DefForm : public ExerciseFrame {
  public:
    // How long the hints stay up while the screen is active: the answer list
    // takes a while to read. A message or the result box over the screen
    // brings back the usual pause.
    static constexpr int kHintHidePause = 20000;

    explicit TC_DefForm(RunContext& context);
    ~TC_DefForm() override;

    TTransparentButton* btn_sprawdz; // the frame's check button
    PaintBox* DxRamka;               // the definitions
    // Per row n (0-based): the word label (its Tag is n + 1), the slot of
    // definition n and its dash.
    std::array<Label*, kMaxDefinitions> lbl{};
    std::array<Label*, kMaxDefinitions> podkl{};
    std::array<Label*, kMaxDefinitions> mys{};
    ExclamationMark* img_1; // the answer list after a check with faults
    lumora::Dragging* Drag; // moves the word labels

    void DxRamkaPaint(Canvas& canvas);
    void btn_sprawdzClick();

    // The words as they lie now; empty before the first load.
    const DefinitionsBoard* Board() const { return exercise_ ? &exercise_->board : nullptr; }
    // The words carried by keys: the current word and, while one is carried,
    // its target (0 the pool, i + 1 slot i).
    const KeyCarry& Keys() const { return keyDrag_->Carry(); }

  protected:
    void CreateControls() override;
    std::optional<std::string> ReadContent(const StRecord& record) override;
    void ResetExercise() override;
    LessonScore Score() const override;
    void CheckClick() override { btn_sprawdzClick(); }
    void FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) override;
    void FormShow() override;
    void FormClose() override;
    void changeEvent(QEvent* event) override;

  private:
    void FormActivate();
    void FormDeactivate();
    bool lbl_1StartDrag(QWidget& label);
    void lbl_1EndDrag(QWidget& label, QWidget* target, QPoint at);
    void PlaceRows();
    void ShowWordPlaces();
    // Where a drop of word j by keys lands: its home, or the middle of a slot.
    // The carrying by keys, and the focus mark on the word or its target.
    bool WordKey(int key, Qt::KeyboardModifiers modifiers);
    QRect KeyMarkRect(int w) const;
    std::string WordName(int w) const;
    QPoint KeyDropPoint(int j, int target) const;
    void RestoreHintPause();

    std::vector<DefinitionItem> items_;
    std::optional<DefinitionsExercise> exercise_;
    std::unique_ptr<KeyDrag> keyDrag_;
    std::unique_ptr<KeyboardGrid> words_;
    std::optional<int> savedHintPause_;
};

} // namespace lumora
