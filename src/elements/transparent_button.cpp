#include "transparent_button.h"

#include "button_strips.h"
#include "platform/ui/painter_canvas.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>

namespace lumora {

TTransparentButton::TTransparentButton(QWidget* parent)
    : Control(parent), imageList_(&MyImageList1()) {
    resize(TMyImageList::kMissingSize, TMyImageList::kMissingSize);
}

void TTransparentButton::SetBitmapNormal(int index) {
    bitmapNormal_ = index;
    FitToStrip();
    update();
}

void TTransparentButton::SetStan(int stan) {
    stan_ = stan;
    update();
}

void TTransparentButton::SetStyle(unsigned style) {
    style_ = style;
    FitToStrip();
    update();
}

void TTransparentButton::SetImageList(TMyImageList* list) {
    imageList_ = list;
    FitToStrip();
    update();
}

void TTransparentButton::SetHideNormal(bool on) {
    hideNormal_ = on;
    update();
}

void TTransparentButton::FitToStrip() {
    if (imageList_ == nullptr) {
        return;
    }
    if (Has(tbs_DefPoslPF)) {
        move(imageList_->DefaultLeft(bitmapNormal_), imageList_->DefaultTop(bitmapNormal_));
    }
    resize(imageList_->FrameWidth(bitmapNormal_), imageList_->FrameHeight(bitmapNormal_));
}

std::optional<int> TTransparentButton::FrameToDraw() const {
    if (imageList_ == nullptr || (hideNormal_ && stan_ == 0)) {
        return std::nullopt;
    }
    if (stan_ == 2 && !Has(tbs_Highlighted)) {
        return 1;
    }
    return stan_;
}

void TTransparentButton::paintEvent(QPaintEvent* event) {
    const std::optional<int> frame = FrameToDraw();
    if (!frame) {
        return;
    }
    QPainter painter(this);
    const QRect r = event->rect();
    PainterCanvas canvas(painter, width(), height(), {r.x(), r.y(), r.width(), r.height()});
    imageList_->Draw(canvas, bitmapNormal_, *frame);
}

void TTransparentButton::showEvent(QShowEvent* event) {
    FitToStrip();
    // A button hidden under the pointer and shown again on the same screen
    // (its screen tells it again when the screen itself is shown).
    ScreenShown(rect().contains(mapFromGlobal(QCursor::pos())));
    Control::showEvent(event);
}

void TTransparentButton::ScreenShown(bool pointerOver) {
    SetStan(Has(tbs_Highlighted) && isEnabled() && pointerOver ? 1 : 0);
}

void TTransparentButton::MouseEntered() {
    // A disabled button neither lights up nor reports the mouse.
    if (!isEnabled()) {
        return;
    }
    if (Has(tbs_Highlighted)) {
        SetStan(1);
    }
    Control::MouseEntered();
}

void TTransparentButton::MouseLeft() {
    if (Has(tbs_Highlighted)) {
        SetStan(0);
    }
    Control::MouseLeft();
}

void TTransparentButton::MousePressed(Qt::MouseButton button, int x, int y) {
    Control::MousePressed(button, x, y);
    if (button == Qt::LeftButton && Has(tbs_Pressed)) {
        SetStan(2);
    }
}

void TTransparentButton::MouseReleased(Qt::MouseButton button, int x, int y) {
    Control::MouseReleased(button, x, y);
    if (button == Qt::LeftButton && Has(tbs_Pressed)) {
        SetStan(0);
    }
}

} // namespace lumora
