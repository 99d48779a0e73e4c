#include "shape.h"

#include "painter_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace lumora {

Shape::Shape(QWidget* parent) : Control(parent) {}

void Shape::SetPen(const PenSpec& pen) {
    pen_ = pen;
    update();
}

void Shape::SetBrush(const BrushSpec& brush) {
    brush_ = brush;
    update();
}

void Shape::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect r = event->rect();
    PainterCanvas canvas(painter, width(), height(), {r.x(), r.y(), r.width(), r.height()});
    canvas.Pen = pen_;
    canvas.Brush = brush_;
    canvas.Rectangle({0, 0, width(), height()});
}

} // namespace lumora
