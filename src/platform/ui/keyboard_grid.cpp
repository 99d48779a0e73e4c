#include "keyboard_grid.h"

#include "accessibility.h"
#include "control.h"
#include "form.h"

namespace lumora {
namespace {

// One step from index by delta in a line of count places (delta ±1) or down
// a column (delta ±columns); -1 past an edge that does not wrap.
int StepOnce(int index, int delta, int count, int columns, bool wrap) {
    const int next = index + delta;
    if (next >= 0 && next < count) {
        return next;
    }
    if (!wrap) {
        return -1;
    }
    if (delta == 1 || delta == -1) {
        return (next + count) % count;
    }
    // Down past the last row comes back at the top of the column, up past the
    // first at its lowest item.
    const int column = index % columns;
    return delta > 0 ? column : column + (count - 1 - column) / columns * columns;
}

int Delta(int key, int columns) {
    switch (key) {
    case Qt::Key_Left:
        return -1;
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Up:
        return -columns;
    case Qt::Key_Down:
        return columns;
    default:
        return 0;
    }
}

int FirstFrom(int start, int delta, int count, const std::function<bool(int)>& enabled) {
    for (int i = start; i >= 0 && i < count; i += delta) {
        if (!enabled || enabled(i)) {
            return i;
        }
    }
    return -1;
}

} // namespace

int GridStep(int index, int count, int columns, int key, bool wrap,
             const std::function<bool(int)>& enabled) {
    columns = std::max(columns, 1);
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        const int found = key == Qt::Key_Home ? FirstFrom(0, 1, count, enabled)
                                              : FirstFrom(count - 1, -1, count, enabled);
        return found < 0 ? index : found;
    }
    const int delta = Delta(key, columns);
    if (delta == 0) {
        return -1;
    }
    if (count <= 0) {
        return index;
    }
    if (index < 0 || index >= count) {
        const int found =
            delta > 0 ? FirstFrom(0, 1, count, enabled) : FirstFrom(count - 1, -1, count, enabled);
        return found < 0 ? index : found;
    }
    int at = index;
    for (int steps = 0; steps < count; ++steps) {
        at = StepOnce(at, delta, count, columns, wrap);
        if (at < 0 || at == index) {
            return index;
        }
        if (!enabled || enabled(at)) {
            return at;
        }
    }
    return index;
}

KeyboardGrid::KeyboardGrid(Control& host) : ItemRole(AccessRole::ListItem), host_(host) {
    host_.SetItems(this);
}

KeyboardGrid::~KeyboardGrid() {
    if (host_.Items() == this) {
        host_.SetItems(nullptr);
    }
}

void KeyboardGrid::SetCount(int count) {
    count_ = std::max(count, 0);
    if (current_ >= count_) {
        current_ = count_ - 1;
    }
    // Items that arrive while the host has the focus start on the first.
    if (current_ < 0 && count_ > 0 && HasKeyboardFocus(host_)) {
        FocusEntered();
    }
    Changed();
}

void KeyboardGrid::SetColumns(int columns) {
    columns_ = std::max(columns, 1);
}

void KeyboardGrid::SetCurrent(int index) {
    const int next = index < 0 || count_ == 0 ? -1 : std::min(index, count_ - 1);
    if (next == current_) {
        return;
    }
    current_ = next;
    Moved();
}

bool KeyboardGrid::HandleKey(int key) {
    if (IsEnterKey(key) || key == Qt::Key_Space) {
        if (current_ < 0 || !OnActivate) {
            return false;
        }
        OnActivate(current_);
        return true;
    }
    if (Delta(key, 1) == 0 && key != Qt::Key_Home && key != Qt::Key_End) {
        return false;
    }
    const int next = GridStep(current_, count_, columns_, key, wrap_, ItemEnabled);
    if (next != current_) {
        current_ = next;
        Moved();
        if (OnMove) {
            OnMove(current_);
        }
    }
    return true;
}

void KeyboardGrid::Changed() {
    FocusTargetMoved(host_);
    ItemsChanged(*this);
}

void KeyboardGrid::FocusEntered() {
    if (current_ < 0 && count_ > 0) {
        const int first = GridStep(-1, count_, columns_, Qt::Key_Home, false, ItemEnabled);
        if (first >= 0) {
            current_ = first;
            if (OnMove) {
                OnMove(current_);
            }
        }
    }
    Moved();
}

void KeyboardGrid::Moved() {
    FocusTargetMoved(host_);
    if (HasKeyboardFocus(host_)) {
        AnnounceCurrentItem(*this);
    }
}

} // namespace lumora
