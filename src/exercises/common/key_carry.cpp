#include "key_carry.h"

namespace lumora {

KeyCarry::KeyCarry(int words, int targets) : words_(words, 1), targets_(targets + 1, 1) {}

bool KeyCarry::Move(KeyStep step) {
    return (carrying_ ? targets_ : words_).Move(AlongList(step));
}

void KeyCarry::PickUp(int from) {
    if (words_.Empty()) {
        return;
    }
    carrying_ = true;
    targets_.SetIndex(from);
}

int KeyCarry::Drop() {
    carrying_ = false;
    return targets_.Index();
}

} // namespace lumora
