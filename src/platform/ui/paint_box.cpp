#include "paint_box.h"

#include "painter_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace lumora {

PaintBox::PaintBox(QWidget* parent) : Control(parent) {}

void PaintBox::PaintTo(Canvas& canvas) {
    canvas.Font = Font;
    canvas.Brush = BrushSpec{};
    canvas.Pen = PenSpec{};
    if (OnPaint) {
        OnPaint(canvas);
    }
}

void PaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    PainterCanvas canvas(painter, width(), height(), {r.x(), r.y(), r.width(), r.height()});
    PaintTo(canvas);
}

} // namespace lumora
