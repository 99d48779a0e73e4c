#pragma once
// The sorting screens' words carried by keys through the screen's own
// Dragging, so a drop by keys takes the path of a drop by the mouse: Space
// on the current word begins a drag (the screen may refuse it as it refuses
// the mouse), the arrows and Tab move the word over the targets, Space drops
// it where it stands and Escape puts it back on the target it came from.
#include "key_carry.h"
#include "platform/ui/dragging.h"
#include "platform/ui/keyboard_grid.h"

#include <QPoint>
#include <Qt>

#include <functional>

namespace lumora {

struct KeyDragPlaces {
    // The label of word w.
    std::function<QWidget*(int w)> label;
    // The target word w lies on: 0 in the pool, 1 to n on a target.
    std::function<int(int w)> lyingOn;
    // The point in form pixels where a drop of word w on target t lands.
    std::function<QPoint(int w, int t)> point;
};

class KeyDrag {
  public:
    KeyDrag(Dragging& drag, KeyDragPlaces places);

    // A new exercise of so many words and targets (besides the pool).
    void Reset(int words, int targets);
    // Acts on a key; true when it was the carrying's.
    bool Key(int key, Qt::KeyboardModifiers modifiers);
    // A sorting screen's key: the first arrow only brings the focus to the
    // words (the host of `words`); then the keys carry them, and the current
    // word is the one carried. True when the key was used.
    bool ScreenKey(int key, Qt::KeyboardModifiers modifiers, KeyboardGrid& words);
    const KeyCarry& Carry() const { return carry_; }

  private:
    bool PickUp();
    void DropAt(int target);

    Dragging& drag_;
    KeyDragPlaces places_;
    KeyCarry carry_;
    int from_ = 0;
};

} // namespace lumora
