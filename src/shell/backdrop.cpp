#include "backdrop.h"

#include "platform/ui/form.h"

#include <QPalette>

namespace lumora {

TPodkladForm::TPodkladForm() : QWidget(nullptr, Qt::FramelessWindowHint) {
    setWindowTitle(kApplicationTitle);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TPodkladForm::ShowBehind() {
    showFullScreen();
    lower();
}

} // namespace lumora
