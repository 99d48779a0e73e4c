#include "native_background.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace lumora {

void FillBlackWhenMapped(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const quint32 black = screen != nullptr ? screen->black_pixel : 0;
    // Qt makes its windows without a background (the server leaves whatever
    // was on the screen until the first paint); winId() makes the window.
    xcb_change_window_attributes(connection, static_cast<xcb_window_t>(window.winId()),
                                 XCB_CW_BACK_PIXEL, &black);
}

} // namespace lumora
