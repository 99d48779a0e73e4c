#pragma once
// The keyboard mode: on at the first Tab, Shift+Tab or arrow key, off again
// at the next move of the mouse. While it is on, the screens mark the control
// (or painted item) that has the keyboard focus; while it is off they look
// exactly as they do for the mouse.
#include <functional>

namespace lumora {

// Watches the application's keys and mouse (once; later calls do nothing).
// Every Form calls it when it is made.
void WatchKeyboardMode();

bool KeyboardModeOn();
// Sets the mode (tests, or a screen that starts in it); the watchers hear it
// when it changes.
void SetKeyboardMode(bool on);

// Hears every change of the mode while it exists (a screen or a painted item
// repaints its marks).
class KeyboardModeWatch {
  public:
    explicit KeyboardModeWatch(std::function<void(bool on)> changed);
    ~KeyboardModeWatch();
    KeyboardModeWatch(const KeyboardModeWatch&) = delete;
    KeyboardModeWatch& operator=(const KeyboardModeWatch&) = delete;

  private:
    friend void SetKeyboardMode(bool on);
    std::function<void(bool on)> changed_;
};

// The keys that turn the mode on.
bool IsNavigationKey(int key);

} // namespace lumora
