#pragma once
// A picture that repeats its click while a mouse button is held on it, as the
// scroll arrows do: the first repeat after InitRepeatpause milliseconds, then
// one every Repeatpause, plus the ordinary click at release over it. A quick
// second click is a click of its own, not a double click.
#include "platform/ui/picture.h"
#include "platform/ui/timer.h"

#include <memory>

namespace lumora {

class TFCSImage1 : public Picture {
  public:
    explicit TFCSImage1(QWidget* parent);

    int InitRepeatpause = 250;
    int Repeatpause = 75;

    // Whether the repeat timer is running (a button is held on the control).
    bool Repeating() const { return timer_ != nullptr && timer_->Enabled(); }

  protected:
    void MousePressed(Qt::MouseButton button, int x, int y) override;
    void MouseReleased(Qt::MouseButton button, int x, int y) override;
    // A hidden arrow no longer sees the release, so it stops repeating.
    void hideEvent(QHideEvent* event) override;

  private:
    void Repeat();

    std::unique_ptr<Timer> timer_; // made on first use
};

} // namespace lumora
