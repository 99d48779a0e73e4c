#include "screen_tracker.h"

#include "shell/backdrop.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace lumora::soak {

ScreenTracker::ScreenTracker() {
    qApp->installEventFilter(this);
}

ScreenTracker::~ScreenTracker() {
    qApp->removeEventFilter(this);
}

bool ScreenTracker::Counts(const QWidget& window) {
    if (!window.isWindow() || dynamic_cast<const TPodkladForm*>(&window) != nullptr) {
        return false;
    }
    const Qt::WindowType type = window.windowType();
    return type != Qt::ToolTip && type != Qt::Popup && type != Qt::Desktop;
}

std::string ScreenTracker::NameOf(const QWidget& window) {
    const QString name = window.objectName();
    return (name.isEmpty() ? QString::fromLatin1(window.metaObject()->className()) : name)
        .toStdString();
}

bool ScreenTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (Counts(*window)) {
            std::erase_if(order_, [&](const QPointer<QWidget>& w) { return w == window || !w; });
            order_.emplace_back(window);
            ++reached_[NameOf(*window)];
            if (OnShown) {
                OnShown(*window);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget* ScreenTracker::Top() const {
    if (QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && modal->isVisible()) {
        return modal;
    }
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        if (*it && (*it)->isVisible()) {
            return *it;
        }
    }
    return nullptr;
}

void ScreenTracker::HideAll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->hide();
        }
    }
}

} // namespace lumora::soak
