#include "black_window.h"

#include <QGuiApplication>
#include <QPalette>

#include <xcb/xcb.h>

namespace lumora {

BlackWindow::BlackWindow(Qt::WindowFlags flags) : QWidget(nullptr, flags) {
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}

void BlackWindow::LetTheServerPaint() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const quint32 black = screen != nullptr ? screen->black_pixel : 0;
    // Qt makes its windows without a background, which leaves whatever was on
    // the screen until the first paint; winId() makes the window.
    xcb_change_window_attributes(connection, static_cast<xcb_window_t>(winId()), XCB_CW_BACK_PIXEL,
                                 &black);
    // Qt's own painting is switched off: no background fill and no backing
    // store, and paintEngine() gives none.
    serverPaints_ = true;
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_PaintOnScreen);
}

QPaintEngine* BlackWindow::paintEngine() const {
    return serverPaints_ ? nullptr : QWidget::paintEngine();
}

} // namespace lumora
