#include "fcs_image.h"

namespace lumora {

TFCSImage1::TFCSImage1(QWidget* parent) : Picture(parent) {
    SetDoubleClicks(false);
}

void TFCSImage1::MousePressed(Qt::MouseButton button, int x, int y) {
    Picture::MousePressed(button, x, y);
    if (!timer_) {
        timer_ = std::make_unique<Timer>();
        timer_->OnTimer = [this] { Repeat(); };
    }
    timer_->SetInterval(InitRepeatpause);
    timer_->SetEnabled(true);
}

void TFCSImage1::Repeat() {
    timer_->SetInterval(Repeatpause);
    Click();
}

void TFCSImage1::MouseReleased(Qt::MouseButton button, int x, int y) {
    Picture::MouseReleased(button, x, y);
    if (timer_) {
        timer_->SetEnabled(false);
    }
}

void TFCSImage1::hideEvent(QHideEvent* event) {
    if (timer_) {
        timer_->SetEnabled(false);
    }
    Picture::hideEvent(event);
}

} // namespace lumora
