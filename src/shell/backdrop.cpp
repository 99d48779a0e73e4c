#include "backdrop.h"

#include "platform/ui/form.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace lumora {

TPodkladForm::TPodkladForm() : QWidget(nullptr, Qt::FramelessWindowHint) {
    setWindowTitle(kApplicationTitle);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TPodkladForm::CoverScreen() {
    const QScreen* on = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (on != nullptr) {
        setGeometry(on->geometry());
    }
}

void TPodkladForm::ShowBehind() {
    CoverScreen();
    // A window manager may still keep panels in front of a plain window;
    // the full-screen state asks it not to.
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
    lower();
    if (QScreen* on = screen()) {
        connect(on, &QScreen::geometryChanged, this, &TPodkladForm::CoverScreen,
                Qt::UniqueConnection);
    }
}

void TPodkladForm::WaitUntilPainted(int maxMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    // The timer wakes the wait below when no event comes in time.
    QTimer deadline;
    deadline.start(maxMs);
    while (isVisible() && (windowHandle() == nullptr || !windowHandle()->isExposed()) &&
           elapsed.elapsed() < maxMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    // Exposing the window has painted it; what is still queued goes out now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace lumora
