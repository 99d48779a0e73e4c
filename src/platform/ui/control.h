#pragma once
// The base of the plain controls: a window-less area of a form at a fixed
// pixel position, with a tag, a cursor, a hint and the mouse events the
// screens handle. A click is a left press and release over the control.
#include <QWidget>

#include <functional>
#include <string>

namespace lumora {

class KeyboardGrid;

// What a control is to a screen reader. Automatic: a list when it carries a
// KeyboardGrid, a button when it is a stop of Tab, a text when it is a label
// with a caption, else a decoration that screen readers do not list.
enum class AccessRole {
    Automatic,
    Button,
    RadioButton,
    CheckBox,
    Link,
    Text,
    Picture,
    List,
    ListItem,
    Cell,
    Decoration
};

enum class Cursor { Arrow, HandPoint };

void SetCursor(QWidget& widget, Cursor cursor);
// Sets the tooltip; an empty text shows none.
void SetHint(QWidget& widget, const std::string& hint);
// The name screen readers give a control (in Polish), where its caption and
// hint do not say what it is.
void SetAccessibleName(QWidget& widget, const std::string& name);

class Control : public QWidget {
  public:
    explicit Control(QWidget* parent);

    int Tag = 0;

    std::function<void()> OnClick;
    std::function<void(Qt::MouseButton, int x, int y)> OnMouseDown;
    std::function<void(Qt::MouseButton, int x, int y)> OnMouseUp;
    std::function<void(int x, int y)> OnMouseMove;
    // The mouse entering and leaving the control, whether it is enabled or not.
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    void SetBounds(int left, int top, int width, int height);

    // Called by its form each time the form is shown, once it is in place:
    // whether the pointer is over the control now. A screen hidden under the
    // pointer sends its controls no leave, so a control that shows where the
    // mouse is starts again from here.
    virtual void ScreenShown(bool /*pointerOver*/) {}
    // Performs the click, as a press and release over the control does.
    void Click();

    // A stop of Tab: a control with an OnClick is one unless told otherwise,
    // and so is one with a KeyboardGrid. Enter or Space presses it while it
    // has the focus in the keyboard mode.
    void SetTabStop(bool on) { tabStop_ = on ? 1 : 0; }
    bool IsTabStop() const;
    // Keys while the control has the keyboard focus in the keyboard mode,
    // before the screen's own handlers (Tab, Escape and keys with Ctrl or Alt
    // excepted); true consumes the key.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> OnKey;
    // The keys of the control with the focus: OnKey, then its grid, then
    // Enter or Space as a click. True when the key was used.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers);

    // The control got (true) or lost the keyboard focus, not counting its
    // window's own coming and going; a topic lights up as under the mouse.
    std::function<void(bool focused)> OnFocus;
    // Told by its form when the focus came or went (a screen on the stage is
    // a child window, which Qt sends no focus events).
    void FocusChanged(bool focused);

    // The painted items the arrows move through (set by KeyboardGrid).
    KeyboardGrid* Items() const { return items_; }
    void SetItems(KeyboardGrid* items) { items_ = items; }

    // The role screen readers hear; the name is QWidget's accessibleName,
    // else the caption, else the hint (see accessibility.h).
    void SetAccessRole(AccessRole role) { role_ = role; }
    virtual AccessRole Role() const;
    // Whether a radio button or check box reads as ticked.
    void SetAccessChecked(bool checked) { checked_ = checked; }
    bool AccessChecked() const { return checked_; }

  protected:
    // Whether the second press of a quick double click counts as a press
    // that clicks. Controls answer no (the double click replaces the click)
    // unless they repeat their click themselves.
    void SetDoubleClicks(bool on) { doubleClicks_ = on; }

    virtual void MouseEntered();
    virtual void MouseLeft();
    virtual void MousePressed(Qt::MouseButton button, int x, int y);
    virtual void MouseReleased(Qt::MouseButton button, int x, int y);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    KeyboardGrid* items_ = nullptr;
    AccessRole role_ = AccessRole::Automatic;
    int tabStop_ = -1; // -1: by the rule above
    bool checked_ = false;
    bool doubleClicks_ = true;
    bool clickArmed_ = false;
};

} // namespace lumora
