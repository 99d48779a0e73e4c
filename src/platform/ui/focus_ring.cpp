#include "focus_ring.h"

#include "control.h"
#include "fonts.h"
#include "keyboard_grid.h"

#include <QPainter>

namespace lumora {

FocusRing::FocusRing(QWidget& form) : QWidget(&form), colour_(kWhite) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setProperty("lumora-decoration", true);
    hide();
}

void FocusRing::SetColour(Rgb colour) {
    colour_ = colour;
    update();
}

void FocusRing::Mark(const QRect* target) {
    if (target == nullptr) {
        hide();
        return;
    }
    const int out = kOutset + kWidth;
    const QRect ring = target->adjusted(-out, -out, out, out).intersected(parentWidget()->rect());
    if (ring.isEmpty()) {
        hide();
        return;
    }
    setGeometry(ring);
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A band of the screen's colour between two thin edges of the opposite
    // lightness, so the ring is seen on light and dark pictures alike.
    const bool light = colour_.r + colour_.g + colour_.b > 3 * 128;
    const auto frame = [&painter](const QRect& outer, int width, const QColor& colour) {
        QRegion band(outer);
        band -= QRegion(outer.adjusted(width, width, -width, -width));
        painter.setClipRegion(band);
        painter.fillRect(outer, colour);
    };
    frame(rect(), kWidth + 2, light ? Qt::black : Qt::white);
    frame(rect().adjusted(1, 1, -1, -1), kWidth, ToQColor(colour_));
}

QRect FocusTargetRect(const QWidget& focused, const QWidget& form) {
    QRect local = focused.rect();
    const auto* control = dynamic_cast<const Control*>(&focused);
    if (control != nullptr && control->Items() != nullptr) {
        const KeyboardGrid& items = *control->Items();
        if (items.Current() >= 0 && items.ItemRect) {
            local = items.ItemRect(items.Current());
        }
    }
    return QRect(focused.mapTo(&form, local.topLeft()), local.size());
}

} // namespace lumora
