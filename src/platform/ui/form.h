#pragma once
// The base of every screen: a borderless window of a fixed size, centred on
// the display (on the stage when there is one), black unless the screen says otherwise, with the
// caption "Lumora!". It is shown, or shown modally (the call returns when the form closes), carries
// a Tag for its caller, and sees keys in this order: the shortcut handler, then with key preview
// the key handler, then its controls. Painting is double-buffered by Qt's backing store.
// By keys alone: Tab moves among its controls in reading order, Enter or Space presses the one
// with the focus, arrows move inside lists and groups, Escape runs the screen's exit; a ring
// marks the focus in the keyboard mode (see DESIGN.md, "Keyboard").
#include "canvas.h"
#include "keyboard_mode.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QEventLoop;

namespace lumora {

class Control;

class FocusRing;

inline constexpr const char* kApplicationTitle = "Lumora!";

class Form : public QWidget {
  public:
    Form(int width, int height);
    ~Form() override;

    int Tag = 0;

    void SetColor(Rgb colour);

    // Escape runs it when neither the screen's handlers nor the control with
    // the focus have used the key: the screen's exit, for keyboard users.
    std::function<void()> OnEscape;
    // What screen readers call the screen ("Logowanie", "Menu główne").
    void SetAccessibleTitle(const std::string& title);
    // The colour of the focus ring, in the screen's own colours (white by default).
    void SetFocusColour(Rgb colour);
    // Where keys start: the widget the first arrow goes to while nothing has
    // the focus, and that gets the focus when the form is shown in the
    // keyboard mode (the login's list, the menu's first topic).
    void SetKeyboardStart(QWidget* widget) { keyboardStart_ = widget; }
    // Widgets the arrows move among by their places (the menu's topics); Tab
    // stops at the group once, on the member that had the focus last.
    void AddArrowGroup(std::vector<QWidget*> members);

    // The stops of Tab, in reading order: the visible and enabled edit boxes,
    // lists and controls that are stops (one per arrow group).
    std::vector<QWidget*> TabStops() const;
    // Moves the focus as Tab (forward) or Shift+Tab does; false when the form
    // has no stop.
    bool MoveFocus(bool forward);
    // The widget of this form that has the keyboard focus, if any.
    QWidget* FocusedWidget() const;
    // Where the focus ring stands now, in the form's coordinates; empty when
    // it is not shown.
    QRect FocusMark() const;
    // Puts the focus ring where the focus is (a grid moved its current item).
    void UpdateFocusMark();
    // Whether the keys go to this form now.
    bool HasTheKeys() const;
    // The form sees keys before its controls.
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    void Show();
    // Shows the form modally and returns when it has closed.
    void ShowModal();
    bool IsModal() const { return modalLoop_ != nullptr; }
    // Runs FormClose and hides the form (ending ShowModal).
    void Close();

  protected:
    // Alt+F4 does nothing, and the window system cannot close the form.
    void SwallowAltF4() { swallowAltF4_ = true; }

    virtual void FormShow() {}
    virtual void FormClose() {}
    // A key pressed while the form is active; true consumes it.
    virtual bool FormShortCut(int /*key*/, Qt::KeyboardModifiers /*modifiers*/) { return false; }
    // A key for the form (before its controls with key preview); setting key
    // to 0 consumes it.
    virtual void FormKeyDown(int& /*key*/, Qt::KeyboardModifiers /*modifiers*/) {}
    // A click on the form's own surface, outside its controls.
    virtual void FormClick() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The control with the keyboard focus that a key goes to first, if any.
    Control* FocusedKeyControl(int key, Qt::KeyboardModifiers modifiers);
    bool NavigationKey(int key, Qt::KeyboardModifiers modifiers);
    bool ArrowInGroup(QWidget& focused, int key);
    const std::vector<QWidget*>* GroupOf(const QWidget& widget) const;
    bool IsTabStopHere(const QWidget& widget) const;
    // Tells the controls, the ring and screen readers when the focus widget
    // has changed since the last call.
    void FocusMayHaveMoved();
    void CentreOnScreen();
    void TellControlsWhereThePointerIs();
    bool PreviewKey(QKeyEvent& event);

    QEventLoop* modalLoop_ = nullptr;
    bool keyPreview_ = false;
    bool swallowAltF4_ = false;
    bool windowFiltered_ = false;
    bool clickArmed_ = false;
    FocusRing* ring_ = nullptr;
    QPointer<QWidget> lastFocus_;
    QWidget* keyboardStart_ = nullptr;
    Rgb ringColour_ = kWhite;
    std::vector<std::vector<QWidget*>> arrowGroups_;
    std::vector<QWidget*> groupFocus_; // per group, the member focused last
    std::unique_ptr<KeyboardModeWatch> modeWatch_;
};

// Enter on either the main keyboard or the keypad.
bool IsEnterKey(int key);

// The form of a widget puts its focus ring where the focus is now.
void FocusTargetMoved(QWidget& widget);
// Whether keys go to the widget now: it is its form's focus widget and the
// form has the keys.
bool HasKeyboardFocus(const QWidget& widget);

} // namespace lumora
