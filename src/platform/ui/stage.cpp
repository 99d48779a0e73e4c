#include "stage.h"

#include "accessibility.h"

#include "input_focus.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace lumora {
namespace {

Stage* current = nullptr;

// Screens stand on a 4-pixel grid: at any factor in quarters their device
// position is whole, so nothing is drawn between two device pixels.
constexpr int kGrid = 4;

int CentredOnGrid(int outer, int inner) {
    const int offset = std::max(0, (outer - inner) / 2);
    return offset - offset % kGrid;
}

bool IsKeyEvent(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease ||
           type == QEvent::ShortcutOverride;
}

} // namespace

Stage::Stage(QWidget& host) : host_(host) {
    current = this;
    // Screen readers meet the backdrop before any screen is made.
    InstallAccessibility();
    RenewAccessibleInterface(host_);
    host_.installEventFilter(this);
    HostWindow();
}

Stage::~Stage() {
    ReleaseScreens();
    if (current == this) {
        current = nullptr;
    }
}

Stage* Stage::Current() {
    return current;
}

QWindow* Stage::HostWindow() {
    host_.winId();
    QWindow* window = host_.windowHandle();
    if (window != filteredHostWindow_) {
        window->installEventFilter(this);
        filteredHostWindow_ = window;
    }
    return window;
}

void Stage::Embed(QWidget& window) {
    QWindow* host = HostWindow();
    window.winId();
    if (window.windowHandle()->parent() == host) {
        return;
    }
    window.windowHandle()->setParent(host);
    if (std::find(embedded_.begin(), embedded_.end(), &window) == embedded_.end()) {
        embedded_.emplace_back(&window);
        window.installEventFilter(this);
    }
}

void Stage::ReleaseScreens() {
    // The host's window takes its child windows with it when it is closed or
    // destroyed; the screens, which outlive it, get theirs back first.
    for (const QPointer<QWidget>& window : embedded_) {
        if (window != nullptr && window->windowHandle() != nullptr) {
            window->windowHandle()->setParent(nullptr);
        }
    }
}

std::vector<QWidget*> Stage::Screens() const {
    std::vector<QWidget*> screens;
    for (const QPointer<QWidget>& window : shown_) {
        if (window != nullptr && window->isVisible()) {
            screens.push_back(window.data());
        }
    }
    return screens;
}

QPoint Stage::CentredPosition(QSize size) const {
    return {CentredOnGrid(host_.width(), size.width()),
            CentredOnGrid(host_.height(), size.height())};
}

QWidget* Stage::Front() const {
    for (auto it = shown_.rbegin(); it != shown_.rend(); ++it) {
        if (*it != nullptr && (*it)->isVisible()) {
            return *it;
        }
    }
    return nullptr;
}

void Stage::BringToFront(QWidget& window) {
    std::erase_if(shown_, [&](const QPointer<QWidget>& w) { return w == nullptr || w == &window; });
    shown_.emplace_back(&window);
    window.raise();
    GiveInputFocus(window);
}

void Stage::Hidden(QWidget& window) {
    const bool wasFront = Front() == &window;
    std::erase_if(shown_, [&](const QPointer<QWidget>& w) { return w == nullptr || w == &window; });
    if (wasFront) {
        ActivateFront();
    }
}

void Stage::ActivateFront() {
    if (QWidget* front = Front()) {
        front->raise();
        GiveInputFocus(*front);
    }
}

void Stage::PushModal(QWidget& window) {
    modal_.emplace_back(&window);
}

void Stage::PopModal(QWidget& window) {
    std::erase_if(modal_, [&](const QPointer<QWidget>& w) { return w == nullptr || w == &window; });
}

bool Stage::BeneathModal(const QWidget& window) const {
    // The highest place in the showing order of a modal window still up;
    // windows shown after it (a message it opens) stand above it.
    std::ptrdiff_t modalPlace = -1;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const QWidget* w = shown_[i];
        if (w != nullptr && w->isVisible() &&
            std::find(modal_.begin(), modal_.end(), w) != modal_.end()) {
            modalPlace = static_cast<std::ptrdiff_t>(i);
        }
    }
    if (modalPlace < 0) {
        return false;
    }
    const auto at = std::find(shown_.begin(), shown_.end(), &window);
    return at != shown_.end() ? at - shown_.begin() < modalPlace : &window == &host_;
}

bool Stage::HoldsBackInputTo(const QObject& receiver) const {
    if (modal_.empty()) {
        return false;
    }
    if (receiver.isWidgetType()) {
        const QWidget* window = static_cast<const QWidget&>(receiver).window();
        return window != nullptr && BeneathModal(*window);
    }
    // Keys reach a screen's native window before its widgets.
    for (const QPointer<QWidget>& window : embedded_) {
        if (window != nullptr && window->windowHandle() == &receiver) {
            return BeneathModal(*window);
        }
    }
    return false;
}

bool Stage::HostWindowEvent(QEvent& event) {
    // The window system gave the backdrop the focus (a click on the black
    // around the screens, a return from another program): the screen in
    // front takes it back.
    if (event.type() == QEvent::FocusIn) {
        QTimer::singleShot(0, this, [this] { ActivateFront(); });
        return false;
    }
    // Where the focus stays on the backdrop (a Wayland compositor gives it to
    // the top-level surface only), its keys go to the screen in front.
    if (IsKeyEvent(event.type())) {
        QWidget* front = Front();
        if (front != nullptr && front->windowHandle() != nullptr) {
            std::unique_ptr<QEvent> copy(event.clone());
            QCoreApplication::sendEvent(front->windowHandle(), copy.get());
        }
        return true;
    }
    return false;
}

bool Stage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filteredHostWindow_) {
        return HostWindowEvent(*event);
    }
    // A close by the window system (its close button, Alt+F4 on the frame)
    // is spontaneous; the closing of every window when the program ends is
    // not, and goes through.
    if (watched == &host_) {
        if (event->type() == QEvent::Hide) {
            ReleaseScreens();
        }
        if (event->type() != QEvent::Close || !event->spontaneous()) {
            return false;
        }
        // Answered once the close is over: the exit may end the program,
        // which closes every window, this one too.
        event->ignore();
        // A second close while the first is still being answered (its
        // question is up) is the same request.
        if (!closeAsked_) {
            closeAsked_ = true;
            QTimer::singleShot(0, this, [this] {
                if (OnCloseRequest) {
                    OnCloseRequest();
                }
                closeAsked_ = false;
            });
        }
        return true;
    }
    auto* window = qobject_cast<QWidget*>(watched);
    if (window != nullptr && event->type() == QEvent::Show) {
        BringToFront(*window);
    } else if (window != nullptr && event->type() == QEvent::Hide) {
        Hidden(*window);
    }
    return false;
}

} // namespace lumora
