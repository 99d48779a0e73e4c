#include "keyboard_mode.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <vector>

namespace lumora {
namespace {

// The one mode of the application: it follows the learner's hands, which are
// the same for every screen.
// How far the pointer may seem to move without the learner moving it.
constexpr qreal kStillPointer = 2.0;

struct ModeState {
    bool on = false;
    QPoint pointerWhenOn;
    std::vector<KeyboardModeWatch*> watches;
};

ModeState& State() {
    static ModeState state;
    return state;
}

class ModeFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (IsNavigationKey(key.key())) {
                SetKeyboardMode(true);
            }
        } else if (event->type() == QEvent::MouseMove && State().on) {
            // A window shown under a still pointer may report a move to
            // where the pointer already was (rounded at a scale factor);
            // only a real move counts.
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            const QPointF moved = mouse.globalPosition() - QPointF(State().pointerWhenOn);
            if (moved.manhattanLength() > kStillPointer) {
                SetKeyboardMode(false);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

void WatchKeyboardMode() {
    static ModeFilter* filter = nullptr;
    if (filter != nullptr || QCoreApplication::instance() == nullptr) {
        return;
    }
    filter = new ModeFilter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

bool KeyboardModeOn() {
    return State().on;
}

void SetKeyboardMode(bool on) {
    ModeState& state = State();
    if (on) {
        state.pointerWhenOn = QCursor::pos();
    }
    if (state.on == on) {
        return;
    }
    state.on = on;
    // A watcher may make or remove watches while it hears the change.
    const std::vector<KeyboardModeWatch*> watches = state.watches;
    for (KeyboardModeWatch* watch : watches) {
        if (std::find(state.watches.begin(), state.watches.end(), watch) != state.watches.end()) {
            watch->changed_(on);
        }
    }
}

KeyboardModeWatch::KeyboardModeWatch(std::function<void(bool on)> changed)
    : changed_(std::move(changed)) {
    State().watches.push_back(this);
}

KeyboardModeWatch::~KeyboardModeWatch() {
    auto& watches = State().watches;
    watches.erase(std::remove(watches.begin(), watches.end(), this), watches.end());
}

} // namespace lumora
