#include "key_drag.h"

#include "lesson_keys.h"

namespace lumora {

KeyDrag::KeyDrag(Dragging& drag, KeyDragPlaces places) : drag_(drag), places_(std::move(places)) {}

void KeyDrag::Reset(int words, int targets) {
    if (carry_.Carrying()) {
        drag_.Cancel();
    }
    carry_ = KeyCarry(words, targets);
}

bool KeyDrag::Key(int key, Qt::KeyboardModifiers modifiers) {
    if (carry_.Words() == 0) {
        return false;
    }
    if (!carry_.Carrying()) {
        if (const std::optional<KeyStep> step = ArrowStep(key, modifiers)) {
            carry_.Move(*step);
            return true;
        }
        return key == Qt::Key_Space && PickUp();
    }
    if (const std::optional<KeyStep> step = ArrowOrTabStep(key, modifiers)) {
        if (carry_.Move(*step)) {
            drag_.MoveTo(places_.point(carry_.Word(), carry_.Target()));
        }
        return true;
    }
    if (IsChooseKey(key)) {
        DropAt(carry_.Drop());
        return true;
    }
    if (key == Qt::Key_Escape) {
        carry_.PutBack();
        DropAt(from_);
        return true;
    }
    // Nothing else happens while a word is carried.
    return true;
}

bool KeyDrag::PickUp() {
    const int w = carry_.Word();
    QWidget* label = places_.label(w);
    if (label == nullptr || !label->isVisible() ||
        !drag_.Begin(*label, label->geometry().center())) {
        return false;
    }
    from_ = places_.lyingOn(w);
    carry_.PickUp(from_);
    drag_.MoveTo(places_.point(w, from_));
    return true;
}

void KeyDrag::DropAt(int target) {
    drag_.End(places_.point(carry_.Word(), target));
}

bool KeyDrag::ScreenKey(int key, Qt::KeyboardModifiers modifiers, KeyboardGrid& words) {
    QWidget& host = words.Host();
    if (!host.hasFocus() && !carry_.Carrying() && ArrowStep(key, modifiers)) {
        host.setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (!Key(key, modifiers)) {
        return false;
    }
    words.SetCurrent(carry_.Word());
    words.Changed();
    host.setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace lumora
