#include "lesson_keys.h"

#include "platform/ui/form.h"

namespace lumora {

std::optional<KeyStep> ArrowStep(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    switch (key) {
    case Qt::Key_Up:
        return KeyStep::Up;
    case Qt::Key_Down:
        return KeyStep::Down;
    case Qt::Key_Left:
        return KeyStep::Left;
    case Qt::Key_Right:
        return KeyStep::Right;
    case Qt::Key_Home:
        return KeyStep::First;
    case Qt::Key_End:
        return KeyStep::Last;
    default:
        return std::nullopt;
    }
}

std::optional<KeyStep> ArrowOrTabStep(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))) {
        return KeyStep::Previous;
    }
    if (key == Qt::Key_Tab) {
        return KeyStep::Next;
    }
    return ArrowStep(key, modifiers);
}

bool IsChooseKey(int key) {
    return key == Qt::Key_Space || IsEnterKey(key);
}

} // namespace lumora
