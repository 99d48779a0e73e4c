#pragma once
// Carrying words to their places by keys, as the sorting exercises let the
// mouse drag them: the arrows (or Tab) make a word current, Space picks it
// up, the arrows then choose a target (0 is the pool the words came from,
// 1 to n the table's columns or the definitions' slots), Space drops it
// there and Escape puts it back. Only the choice is kept here; the screen
// drives its dragging with it, so a drop by keys follows the rules of a drop
// by the mouse.
#include "key_cursor.h"

namespace lumora {

class KeyCarry {
  public:
    KeyCarry() = default;
    KeyCarry(int words, int targets);

    // Every arrow and Tab step along one list: back (up, left) or on.
    bool Move(KeyStep step);
    // The word picked up starts at the target it lies on.
    void PickUp(int from);
    // Ends the carrying; returns the target chosen.
    int Drop();
    void PutBack() { carrying_ = false; }

    bool Carrying() const { return carrying_; }
    // The current word, the one carried while carrying.
    int Word() const { return words_.Index(); }
    int Target() const { return targets_.Index(); }
    int Words() const { return words_.Rows(); }

  private:
    GridCursor words_;
    GridCursor targets_;
    bool carrying_ = false;
};

} // namespace lumora
