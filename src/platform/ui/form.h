#pragma once
// The base of every screen: a borderless window of a fixed size, centred on
// the display (on the stage when there is one), black unless the screen says otherwise, with the
// caption "Lumora!". It is shown, or shown modally (the call returns when the form closes), carries
// a Tag for its caller, and sees keys in this order: the shortcut handler, then with key preview
// the key handler, then its controls. Painting is double-buffered by Qt's backing store.
#include "canvas.h"

#include <QWidget>

class QEventLoop;

namespace lumora {

inline constexpr const char* kApplicationTitle = "Lumora!";

class Form : public QWidget {
  public:
    Form(int width, int height);
    ~Form() override;

    int Tag = 0;

    void SetColor(Rgb colour);
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
    void CentreOnScreen();
    void TellControlsWhereThePointerIs();
    bool PreviewKey(QKeyEvent& event);

    QEventLoop* modalLoop_ = nullptr;
    bool keyPreview_ = false;
    bool swallowAltF4_ = false;
    bool windowFiltered_ = false;
    bool clickArmed_ = false;
};

// Enter on either the main keyboard or the keypad.
bool IsEnterKey(int key);

} // namespace lumora
