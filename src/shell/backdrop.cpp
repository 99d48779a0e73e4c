#include "backdrop.h"

#include "platform/ui/form.h"

#include <QGuiApplication>
#include <QScreen>

namespace lumora {

TPodkladForm::TPodkladForm() : BlackWindow(Qt::FramelessWindowHint) {
    setWindowTitle(kApplicationTitle);
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
    // Black from the moment it is mapped, so start-up need not wait for its
    // first paint, and never painted by the program.
    LetTheServerPaint();
    // A window manager may still keep panels in front of a plain window;
    // the full-screen state asks it not to.
    setWindowState(windowState() | Qt::WindowFullScreen);
    if (!stage_) {
        stage_ = std::make_unique<Stage>(*this);
        stage_->OnCloseRequest = [this] {
            if (OnCloseRequest) {
                OnCloseRequest();
            }
        };
    }
    show();
    if (QScreen* on = screen()) {
        connect(on, &QScreen::geometryChanged, this, &TPodkladForm::CoverScreen,
                Qt::UniqueConnection);
    }
}

} // namespace lumora
