#pragma once
// A shape: a rectangle drawn with a pen and filled with a brush.
#include "canvas.h"
#include "control.h"

namespace lumora {

class Shape : public Control {
  public:
    explicit Shape(QWidget* parent);

    void SetPen(const PenSpec& pen);
    void SetBrush(const BrushSpec& brush);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PenSpec pen_;
    BrushSpec brush_;
};

} // namespace lumora
