#pragma once
// The focus mark: a ring round the control, or the painted item, that has the
// keyboard focus on a form. It is a child of the form drawn above the other
// controls, lets the mouse through, and is shown only in the keyboard mode.
#include "platform/rgb.h"

#include <QWidget>

namespace lumora {

class FocusRing : public QWidget {
  public:
    // How far the ring stands outside what it marks, and its line's width.
    static constexpr int kOutset = 3;
    static constexpr int kWidth = 2;

    explicit FocusRing(QWidget& form);

    void SetColour(Rgb colour);
    // Goes round target (in the form's coordinates), or hides for none.
    void Mark(const QRect* target);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Rgb colour_;
};

// Where the ring of a widget's focus goes, in its form's coordinates: round
// its current painted item when it has one, else round the widget.
QRect FocusTargetRect(const QWidget& focused, const QWidget& form);

} // namespace lumora
