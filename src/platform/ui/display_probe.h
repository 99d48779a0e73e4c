#pragma once
// The size in device pixels of the screen the program will appear on, read
// before the toolkit starts: the scene's scale factor has to be chosen before
// any window exists.
#include <optional>

namespace lumora {

struct DeviceScreen {
    int width = 0;
    int height = 0;
};

// The X display's primary monitor (the first monitor when none is primary,
// the whole root window without monitor information); nothing without an X
// display.
std::optional<DeviceScreen> ProbeX11Screen();

} // namespace lumora
