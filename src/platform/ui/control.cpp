#include "control.h"

#include "form.h"
#include "keyboard_grid.h"

#include <QMouseEvent>

namespace lumora {

void SetCursor(QWidget& widget, Cursor cursor) {
    widget.setCursor(cursor == Cursor::HandPoint ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void SetHint(QWidget& widget, const std::string& hint) {
    widget.setToolTip(QString::fromStdString(hint));
}

void SetAccessibleName(QWidget& widget, const std::string& name) {
    widget.setAccessibleName(QString::fromStdString(name));
}

Control::Control(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void Control::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void Control::Click() {
    if (OnClick) {
        OnClick();
    }
}

bool Control::IsTabStop() const {
    if (tabStop_ >= 0) {
        return tabStop_ == 1;
    }
    return OnClick != nullptr || items_ != nullptr;
}

AccessRole Control::Role() const {
    if (role_ != AccessRole::Automatic) {
        return role_;
    }
    if (items_ != nullptr) {
        return AccessRole::List;
    }
    if (IsTabStop()) {
        return AccessRole::Button;
    }
    return AccessRole::Decoration;
}

bool Control::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (OnKey && OnKey(key, modifiers)) {
        return true;
    }
    if (items_ != nullptr && items_->HandleKey(key)) {
        return true;
    }
    if ((IsEnterKey(key) || key == Qt::Key_Space) && OnClick) {
        Click();
        return true;
    }
    return false;
}

void Control::FocusChanged(bool focused) {
    if (focused && items_ != nullptr) {
        items_->FocusEntered();
    }
    if (OnFocus) {
        OnFocus(focused);
    }
}

void Control::MouseEntered() {
    if (OnMouseEnter) {
        OnMouseEnter();
    }
}

void Control::MouseLeft() {
    if (OnMouseLeave) {
        OnMouseLeave();
    }
}

void Control::MousePressed(Qt::MouseButton button, int x, int y) {
    clickArmed_ = button == Qt::LeftButton;
    if (OnMouseDown) {
        OnMouseDown(button, x, y);
    }
}

void Control::MouseReleased(Qt::MouseButton button, int x, int y) {
    if (OnMouseUp) {
        OnMouseUp(button, x, y);
    }
    const bool click = clickArmed_ && button == Qt::LeftButton && rect().contains(x, y);
    clickArmed_ = false;
    if (click) {
        Click();
    }
}

void Control::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MousePressed(event->button(), p.x(), p.y());
}

void Control::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!doubleClicks_) {
        mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    if (OnMouseDown) {
        OnMouseDown(event->button(), p.x(), p.y());
    }
}

void Control::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    MouseReleased(event->button(), p.x(), p.y());
}

void Control::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) {
        const QPoint p = event->position().toPoint();
        OnMouseMove(p.x(), p.y());
    }
}

void Control::enterEvent(QEnterEvent*) {
    MouseEntered();
}

void Control::leaveEvent(QEvent*) {
    MouseLeft();
}

} // namespace lumora
