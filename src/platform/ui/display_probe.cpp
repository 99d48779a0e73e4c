#include "display_probe.h"

#include <cstdlib>
#include <memory>

#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace lumora {
namespace {

struct ConnectionCloser {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

std::optional<DeviceScreen> PrimaryMonitor(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection, &xcb_randr_id);
    if (randr == nullptr || !randr->present) {
        return std::nullopt;
    }
    std::unique_ptr<xcb_randr_get_monitors_reply_t, decltype(&std::free)> reply(
        xcb_randr_get_monitors_reply(connection, xcb_randr_get_monitors(connection, root, 1),
                                     nullptr),
        &std::free);
    if (!reply) {
        return std::nullopt;
    }
    std::optional<DeviceScreen> first;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(reply.get()); it.rem > 0;
         xcb_randr_monitor_info_next(&it)) {
        const DeviceScreen monitor{it.data->width, it.data->height};
        if (it.data->primary) {
            return monitor;
        }
        if (!first) {
            first = monitor;
        }
    }
    return first;
}

} // namespace

std::optional<DeviceScreen> ProbeX11Screen() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return std::nullopt;
    }
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, ConnectionCloser> connection(
        xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get()) != 0) {
        return std::nullopt;
    }
    auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && roots.rem > 0; ++i) {
        xcb_screen_next(&roots);
    }
    if (roots.rem == 0) {
        return std::nullopt;
    }
    const xcb_screen_t& root = *roots.data;
    if (auto monitor = PrimaryMonitor(connection.get(), root.root)) {
        return monitor;
    }
    return DeviceScreen{root.width_in_pixels, root.height_in_pixels};
}

} // namespace lumora
