#include "input_focus.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace lumora {

void GiveInputFocus(QWidget& window) {
    window.activateWindow();
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // A window not yet on the screen gets the focus from the toolkit once it
    // is; asked for it now, the server would refuse it.
    const QWindow* handle = window.windowHandle();
    if (x11 == nullptr || x11->connection() == nullptr || handle == nullptr ||
        !handle->isExposed()) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window.winId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
}

} // namespace lumora
