#pragma once
// Carries a player's end-of-play notification from its playback thread to the
// thread that created the player (the user-interface thread), as an event.
#include <QObject>

#include <functional>

#include "media_player.h"

namespace lumora {

class NotifyPoster final : public QObject {
  public:
    NotifyPoster() = default;

    // Called on the poster's thread for every notification; replaceable there.
    void SetHandler(MediaPlayer::NotifyHandler handler) { handler_ = std::move(handler); }

    // Any thread. Delivered when the event loop of the poster's thread runs.
    void Post(NotifyValue value);

  protected:
    bool event(QEvent* event) override;

  private:
    MediaPlayer::NotifyHandler handler_;
};

} // namespace lumora
