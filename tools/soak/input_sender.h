#pragma once
// Input as the window system delivers it: mouse and key events handed to a
// top-level window synchronously, so they take Qt's whole path (the widget
// under the pointer, the mouse grab of a press, the window's key filter and
// the focus widget) and nothing else is handled in between.
#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

namespace lumora::soak {

class InputSender {
  public:
    // Runs before every event is delivered (the soak logs the action then,
    // so a crash inside its handling is reported with it).
    std::function<void()> BeforeSend;

    // Points are in the window's coordinates. Each action starts with every
    // button up; a move with a button held is part of a drag.
    void Move(QWidget& window, QPoint at, Qt::MouseButtons held = Qt::NoButton);
    void Press(QWidget& window, QPoint at, Qt::MouseButton button);
    void Release(QWidget& window, QPoint at, Qt::MouseButton button);
    void Click(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void DoubleClick(QWidget& window, QPoint at);
    // A key press and release; text is what the key types (may be empty).
    void Key(QWidget& window, int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // The window system asks the window to close (Alt+F4, the close button).
    void CloseRequest(QWidget& window);

  private:
    void Mouse(QWidget& window, QPoint at, Qt::MouseButtons state, Qt::MouseButton button,
               int type);
    int NextTime(int step);

    int time_ = 0;
};

} // namespace lumora::soak
