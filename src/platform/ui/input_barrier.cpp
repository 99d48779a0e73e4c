#include "input_barrier.h"

#include <QCoreApplication>
#include <QEvent>

namespace lumora {
namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::ContextMenu:
    case QEvent::ToolTip:
        return true;
    default:
        return false;
    }
}

} // namespace

InputBarrier::InputBarrier(std::function<bool(const QObject& receiver)> blocked)
    : blocked_(std::move(blocked)) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBarrier::~InputBarrier() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

bool InputBarrier::eventFilter(QObject* watched, QEvent* event) {
    return IsInput(event->type()) && blocked_(*watched);
}

} // namespace lumora
