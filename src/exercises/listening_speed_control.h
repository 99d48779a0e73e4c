#pragma once
// The learner's listening speed on a lesson screen: when the screen opens,
// the main player takes the speed kept in the learner's folder; F6 (and a
// right click on the transport bar's play button) moves it on, 100 -> 85 ->
// 70 -> 100 %, at once for a play under way, says the new speed in a hint at
// the pointer and keeps it; when the screen closes the player goes back to
// normal speed, so the menus and topic screens always speak at 100 %.
#include <QWidget>

#include <memory>
#include <string>

#include "platform/ui/control.h"
#include "sound/sound_service.h"
#include "users/session.h"

class QObject;

namespace lumora {

inline constexpr Qt::Key kListeningSpeedKey = Qt::Key_F6;

class ListeningSpeedControl {
  public:
    // The key works while the screen is open and shown, whichever of its
    // controls has the focus.
    ListeningSpeedControl(QWidget& screen, const Session& session, SoundService& sound);
    ~ListeningSpeedControl();
    ListeningSpeedControl(const ListeningSpeedControl&) = delete;
    ListeningSpeedControl& operator=(const ListeningSpeedControl&) = delete;

    // The screen has opened for the current learner / has closed.
    void ScreenOpened();
    void ScreenClosed();
    // The next speed: played at once, shown and saved.
    void Cycle();
    // A right click on control moves the speed on as the key does.
    void CycleOnRightClick(Control& control);

    int Percent() const { return percent_; }

  private:
    // The learner's speed file; empty while nobody is logged in.
    std::string SpeedFile() const;

    QWidget& screen_;
    const Session& session_;
    SoundService& sound_;
    int percent_ = 100;
    std::unique_ptr<QObject> keyWatch_;
};

} // namespace lumora
