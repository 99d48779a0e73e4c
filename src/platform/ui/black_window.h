#pragma once
// A window that is black all over. Under X11 the server paints it, from the
// moment it is mapped and after every exposure, so the program never paints
// it: the screen is black before start-up has drawn anything, and the first
// paint of the windows in front of it does not wait for a full-screen one.
// Elsewhere Qt fills it black as any widget.
#include <QWidget>

namespace lumora {

class BlackWindow : public QWidget {
  public:
    explicit BlackWindow(Qt::WindowFlags flags = {});

    // Makes the native window and, under X11, gives it a black server-side
    // background and stops Qt painting it. Call it before the first show().
    void LetTheServerPaint();

  protected:
    QPaintEngine* paintEngine() const override;

  private:
    bool serverPaints_ = false;
};

} // namespace lumora
