#pragma once
// A control as the sound service registers it (the film panel, the still
// picture), so that a film which follows its spoken help replaces the still.
// Visibility is the control's own flag, so it holds while the screen is hidden.
#include "sound/sound_service.h"

#include <QWidget>

namespace lumora {

class ScreenElementLink final : public ScreenElementHandle {
  public:
    explicit ScreenElementLink(QWidget& widget) : widget_(widget) {}

    void Show() override { widget_.show(); }
    void Hide() override { widget_.hide(); }
    bool IsVisible() const override { return !widget_.isHidden(); }

  private:
    QWidget& widget_;
};

} // namespace lumora
