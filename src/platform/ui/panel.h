#pragma once
// A panel without a bevel: a plain area in one colour that other controls
// (or a film) can be shown on.
#include "canvas.h"
#include "control.h"

namespace lumora {

class Panel : public Control {
  public:
    explicit Panel(QWidget* parent);

    void SetColor(Rgb colour);
};

} // namespace lumora
