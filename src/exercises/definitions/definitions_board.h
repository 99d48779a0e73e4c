#pragma once
// The state of a definitions exercise: which word label lies in which slot,
// the drops, the check with the answer list for the warning's hint, and the
// counters for the result. Labels and slots are numbered from 0; label j
// shows the word of item ItemOf(j), and slot i belongs to item i.
#include "definitions_content.h"
#include "definitions_layout.h"

#include <functional>
#include <string>
#include <vector>

namespace lumora {

inline constexpr int kWarningPictureSize = 18;

// N exchanges of two labels' words and items, drawn from the generator's
// current state; the result is the item each label shows. One item is left
// as it is.
std::vector<int> ShuffleLabels(int count);

class DefinitionsBoard {
  public:
    // labelItems, labels and homes are parallel (one per label); slots holds
    // one box per item, as the painted definitions placed them.
    DefinitionsBoard(const std::vector<DefinitionItem>& items, std::vector<int> labelItems,
                     std::vector<WordSize> labels, std::vector<WordPlace> homes,
                     std::vector<SlotBox> slots);

    // A drag of label j starts: counted, unless the exercise is checked (then
    // nothing can be dragged and false is returned).
    bool StartDrag(int j);
    // Label j is dropped at the point (form pixels): the first slot that holds
    // the point and is free or already its own takes it, centred; otherwise
    // it goes home. Either way it leaves its former slot. Ignored once
    // checked. Returns the label's place.
    WordPlace Drop(int j, WordPlace point);

    // Marks the labels; when some are wrong every label is centred in the slot
    // of its item. Returns whether all were right. Does nothing the second
    // time.
    bool Check();
    // The hint of the warning picture: the heading, then " - " and the word
    // the learner had put in each slot, in slot order, lines split by a
    // single CR. Empty before the check.
    std::string AnswerList(const std::string& heading) const;
    // Beside the first slot, level with its middle.
    WordPlace WarningPicture() const;

    int Count() const { return static_cast<int>(items_.size()); }
    int ItemOf(int j) const { return items_.at(static_cast<std::size_t>(j)); }
    WordPlace Position(int j) const { return places_.at(static_cast<std::size_t>(j)); }
    WordPlace Home(int j) const { return homes_.at(static_cast<std::size_t>(j)); }
    // The slot label j lies in, or -1 in the pool.
    int SlotOf(int j) const { return slotOf_.at(static_cast<std::size_t>(j)); }
    // The label in slot i, or -1.
    int LabelIn(int i) const { return labelIn_.at(static_cast<std::size_t>(i)); }

    bool Evaluated() const { return evaluated_; }
    int DragCount() const { return dragCount_; }
    int RightCount() const { return rightCount_; }
    int WrongCount() const { return wrongCount_; }
    int Points() const { return 5 * rightCount_; }

  private:
    void Leave(int j);
    void Put(int j, int i);

    std::vector<int> items_;
    std::vector<WordSize> labels_;
    std::vector<WordPlace> homes_;
    std::vector<WordPlace> places_;
    std::vector<SlotBox> slots_;
    std::vector<int> slotOf_;
    std::vector<int> labelIn_;
    std::vector<int> answers_;       // labelIn_ as the check found it
    std::vector<std::string> words_; // per label
    bool evaluated_ = false;
    int dragCount_ = 0;
    int rightCount_ = 0;
    int wrongCount_ = 0;
};

// The size of a word's label on the screen (Arial 10 pt).
using WordMeasure = std::function<WordSize(const std::string& word)>;

struct DefinitionsExercise {
    DefinitionsFrame frame;
    DefinitionsPaint paint;
    DefinitionsBoard board;
};

// A fresh exercise: label j shows item labelItems[j] (ShuffleLabels); the
// widest label sets the slot column and the box (the row's defaults are
// written into the row), the pool is laid out and the definitions painted,
// which places the slots.
DefinitionsExercise SetUpDefinitions(const std::vector<DefinitionItem>& items,
                                     std::vector<int> labelItems, SteeringRow& row,
                                     const WordMeasure& label, const StyledMeasure& text);

} // namespace lumora
