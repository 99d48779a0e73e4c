#pragma once
// An image button drawn from a strip of the shared picture list: frame 0 at
// rest, frame 1 while the mouse is over it (tbs_Highlighted), a pressed state
// while the left button is down (tbs_Pressed), and optionally its strip's
// default position (tbs_DefPoslPF). Everything around the picture shows
// through.
#include "image_list.h"
#include "platform/ui/control.h"

#include <optional>

namespace lumora {

enum TransparentButtonStyle : unsigned {
    tbs_Highlighted = 1u << 0,
    tbs_Pressed = 1u << 1,
    tbs_DefPoslPF = 1u << 2,
};

class TTransparentButton : public Control {
  public:
    // A 33 x 33 button with the style [tbs_Highlighted] on MyImageList1.
    explicit TTransparentButton(QWidget* parent);

    int BitmapNormal() const { return bitmapNormal_; }
    void SetBitmapNormal(int index);
    // 0 normal, 1 highlighted, 2 pressed.
    int Stan() const { return stan_; }
    void SetStan(int stan);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    TMyImageList* ImageList() const { return imageList_; }
    void SetImageList(TMyImageList* list);
    bool HideNormal() const { return hideNormal_; }
    void SetHideNormal(bool on);

    // The frame a paint draws now; nothing when the button draws nothing.
    std::optional<int> FrameToDraw() const;

    // Lit exactly when the pointer is over it (and it lights up at all), so
    // a screen or button shown again does not keep the light of its last
    // visit.
    void ScreenShown(bool pointerOver) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The list may have been filled after the button was set up.
    void showEvent(QShowEvent* event) override;
    void MouseEntered() override;
    void MouseLeft() override;
    void MousePressed(Qt::MouseButton button, int x, int y) override;
    void MouseReleased(Qt::MouseButton button, int x, int y) override;

  private:
    // Size (and with tbs_DefPoslPF place) the button from its strip.
    void FitToStrip();
    bool Has(TransparentButtonStyle s) const { return (style_ & s) != 0; }

    int bitmapNormal_ = 0;
    int stan_ = 0;
    unsigned style_ = tbs_Highlighted;
    TMyImageList* imageList_;
    bool hideNormal_ = false;
};

} // namespace lumora
