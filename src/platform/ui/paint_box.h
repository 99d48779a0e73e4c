#pragma once
// A paint box: an area whose owner paints it through a Canvas, on every
// paint, starting each time from the box's own font.
#include "canvas.h"
#include "control.h"

#include <functional>

namespace lumora {

class PaintBox : public Control {
  public:
    explicit PaintBox(QWidget* parent);

    FontSpec Font;
    std::function<void(Canvas&)> OnPaint;

    // Paints into the given canvas as a paint of the box would.
    void PaintTo(Canvas& canvas);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumora
