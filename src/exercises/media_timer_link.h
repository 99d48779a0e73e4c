#pragma once
// A screen's position timer as the sound service registers it, so the
// service can start and stop the transport knob's movement.
#include "platform/ui/timer.h"
#include "sound/sound_service.h"

namespace lumora {

class MediaTimerLink final : public MediaTimerHandle {
  public:
    explicit MediaTimerLink(Timer& timer) : timer_(timer) {}

    void Enable() override { timer_.SetEnabled(true); }
    void Disable() override { timer_.SetEnabled(false); }
    bool IsEnabled() const override { return timer_.Enabled(); }

  private:
    Timer& timer_;
};

} // namespace lumora
