#pragma once
// The base of the plain controls: a window-less area of a form at a fixed
// pixel position, with a tag, a cursor, a hint and the mouse events the
// screens handle. A click is a left press and release over the control.
#include <QWidget>

#include <functional>
#include <string>

namespace lumora {

enum class Cursor { Arrow, HandPoint };

void SetCursor(QWidget& widget, Cursor cursor);
// Sets the tooltip; an empty text shows none.
void SetHint(QWidget& widget, const std::string& hint);

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
    bool doubleClicks_ = true;
    bool clickArmed_ = false;
};

} // namespace lumora
