#include "dragging.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>

namespace lumora {

Dragging::Dragging(QWidget& form) : QObject(&form), form_(form) {}

Dragging::~Dragging() {
    if (cursorSet_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void Dragging::AddSource(QWidget& source) {
    source.installEventFilter(this);
}

void Dragging::AddTarget(QWidget& target, std::function<bool(QWidget&)> accepts) {
    targets_[&target] = std::move(accepts);
    connect(&target, &QObject::destroyed, this, [this, key = &target] { targets_.erase(key); });
}

QWidget* Dragging::TargetAt(QPoint at) const {
    if (dragged_ == nullptr || !form_.rect().contains(at)) {
        return nullptr;
    }
    QWidget* w = form_.childAt(at);
    if (w == nullptr) {
        w = &form_;
    }
    for (; w != nullptr; w = w == &form_ ? nullptr : w->parentWidget()) {
        const auto it = targets_.find(w);
        if (it != targets_.end()) {
            return !it->second || it->second(*dragged_) ? w : nullptr;
        }
    }
    return nullptr;
}

void Dragging::ShowCursor(bool accepted) {
    const QCursor cursor(!accepted                         ? Qt::ForbiddenCursor
                         : DragCursor == Cursor::HandPoint ? Qt::PointingHandCursor
                                                           : Qt::ArrowCursor);
    if (!cursorSet_) {
        QGuiApplication::setOverrideCursor(cursor);
        cursorSet_ = true;
    } else if (QGuiApplication::overrideCursor()->shape() != cursor.shape()) {
        QGuiApplication::changeOverrideCursor(cursor);
    }
}

bool Dragging::Begin(QWidget& source, QPoint at) {
    if (dragged_ != nullptr || (OnStartDrag && !OnStartDrag(source))) {
        return false;
    }
    dragged_ = &source;
    source.raise();
    MoveTo(at);
    return true;
}

void Dragging::MoveTo(QPoint at) {
    if (dragged_ == nullptr) {
        return;
    }
    last_ = at;
    QWidget* target = TargetAt(at);
    if (target != nullptr) {
        const QSize size = dragged_->size();
        dragged_->move(at - QPoint(size.width() / 2, size.height() / 2) + FollowOffset);
    }
    ShowCursor(target != nullptr);
    if (OnDragOver) {
        OnDragOver(*dragged_, target, at);
    }
}

void Dragging::End(QPoint at) {
    if (dragged_ != nullptr) {
        Finish(TargetAt(at), at);
    }
}

void Dragging::Cancel() {
    if (dragged_ != nullptr) {
        Finish(nullptr, last_);
    }
}

void Dragging::Finish(QWidget* target, QPoint at) {
    QWidget* source = dragged_;
    dragged_ = nullptr;
    if (cursorSet_) {
        QGuiApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
    if (OnEndDrag && source != nullptr) {
        OnEndDrag(*source, target, at);
    }
}

QPoint Dragging::FormPoint(const QMouseEvent& event) const {
    // Window coordinates do not depend on where the moving control stands.
    const QPoint inWindow = event.scenePosition().toPoint();
    QWidget* window = form_.window();
    return window == &form_ ? inWindow : form_.mapFrom(window, inWindow);
}

bool Dragging::eventFilter(QObject* watched, QEvent* event) {
    auto* source = qobject_cast<QWidget*>(watched);
    if (source == nullptr) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto& mouse = static_cast<QMouseEvent&>(*event);
        if (mouse.button() != Qt::LeftButton || dragged_ != nullptr) {
            return dragged_ != nullptr;
        }
        Begin(*source, FormPoint(mouse));
        return true;
    }
    case QEvent::MouseMove: {
        if (dragged_ != source) {
            return false;
        }
        auto& mouse = static_cast<QMouseEvent&>(*event);
        // A release the window never saw (the button let go elsewhere)
        // ends the drag at the first move without the button.
        if (!(mouse.buttons() & Qt::LeftButton)) {
            End(FormPoint(mouse));
        } else {
            MoveTo(FormPoint(mouse));
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto& mouse = static_cast<QMouseEvent&>(*event);
        if (dragged_ != source) {
            return false;
        }
        if (mouse.button() == Qt::LeftButton) {
            End(FormPoint(mouse));
        }
        return true;
    }
    case QEvent::Hide:
        if (dragged_ == source) {
            Cancel();
        }
        return false;
    default:
        return false;
    }
}

} // namespace lumora
