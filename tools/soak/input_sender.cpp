#include "input_sender.h"

#include "platform/ui/stage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// Qt's own entry points for synthetic window-system input (the ones QTest
// uses), delivered synchronously.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace lumora::soak {
namespace {

// Far enough apart that two clicks never make a double click by accident.
constexpr int kClickGapMs = 600;

} // namespace

int InputSender::NextTime(int step) {
    time_ += step;
    return time_;
}

void InputSender::Mouse(QWidget& window, QPoint at, Qt::MouseButtons state, Qt::MouseButton button,
                        int type) {
    QWindow* handle = window.windowHandle();
    if (handle == nullptr || !window.isVisible()) {
        return;
    }
    const auto eventType = static_cast<QEvent::Type>(type);
    if (BeforeSend) {
        BeforeSend();
    }
    const QPointF global = handle->mapToGlobal(at);
    qt_handleMouseEvent(handle, at, global, state, button, eventType, Qt::NoModifier,
                        NextTime(eventType == QEvent::MouseMove ? 16 : 50));
}

void InputSender::Move(QWidget& window, QPoint at, Qt::MouseButtons held) {
    Mouse(window, at, held, Qt::NoButton, QEvent::MouseMove);
}

void InputSender::Press(QWidget& window, QPoint at, Qt::MouseButton button) {
    Mouse(window, at, button, button, QEvent::MouseButtonPress);
}

void InputSender::Release(QWidget& window, QPoint at, Qt::MouseButton button) {
    Mouse(window, at, Qt::NoButton, button, QEvent::MouseButtonRelease);
}

void InputSender::Click(QWidget& window, QPoint at, Qt::MouseButton button) {
    // The press may open a modal screen or close this one; the release goes
    // to the window only while it is still there.
    QPointer<QWidget> alive(&window);
    Move(window, at);
    Press(window, at, button);
    if (alive) {
        Release(window, at, button);
    }
    NextTime(kClickGapMs);
}

void InputSender::DoubleClick(QWidget& window, QPoint at) {
    QPointer<QWidget> alive(&window);
    for (int i = 0; i < 2 && alive; ++i) {
        Press(window, at, Qt::LeftButton);
        if (alive) {
            Release(window, at, Qt::LeftButton);
        }
    }
    NextTime(kClickGapMs);
}

void InputSender::Key(QWidget& window, int key, Qt::KeyboardModifiers modifiers,
                      const QString& text) {
    QPointer<QWidget> alive(&window);
    if (window.windowHandle() == nullptr) {
        return;
    }
    if (BeforeSend) {
        BeforeSend();
    }
    qt_handleKeyEvent(window.windowHandle(), QEvent::KeyPress, key, modifiers, text, false, 1);
    if (alive && window.windowHandle() != nullptr) {
        qt_handleKeyEvent(window.windowHandle(), QEvent::KeyRelease, key, modifiers, text, false,
                          1);
    }
}

void InputSender::CloseRequest(QWidget& window) {
    // On the stage the window system knows only the backdrop, and closes it.
    const Stage* stage = Stage::Current();
    if (QWindow* handle = (stage != nullptr ? stage->Host() : window).windowHandle()) {
        if (BeforeSend) {
            BeforeSend();
        }
        // A close event at the window takes the path of the window system's
        // request: the widget hears a spontaneous close.
        QCloseEvent event;
        QCoreApplication::sendEvent(handle, &event);
    }
}

} // namespace lumora::soak
