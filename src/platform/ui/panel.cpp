#include "panel.h"

#include "fonts.h"

#include <QPalette>

namespace lumora {

Panel::Panel(QWidget* parent) : Control(parent) {
    setAutoFillBackground(true);
    SetColor({240, 240, 240});
}

void Panel::SetColor(Rgb colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(colour));
    setPalette(p);
}

} // namespace lumora
