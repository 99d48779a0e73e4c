#pragma once
// The transport bar of the exercise frame: play, stop and pause buttons, the
// track and the knob that shows and sets the place in the lesson's recording
// or film, and the timer that moves the knob while it plays. The bar works
// on the main player through the sound service; the frame tells it which
// file is the lesson's and hears when a play starts or the media stops, so
// it can put the film panel or the still in front.
#include "elements/transparent_button.h"
#include "media_timer_link.h"
#include "platform/ui/picture.h"
#include "platform/ui/timer.h"
#include "sound/sound_service.h"

#include <functional>
#include <string>

namespace lumora {

class TransportBar {
  public:
    static constexpr int kKnobInterval = 500; // milliseconds

    // The controls are made on `screen`, with the play button at (106, 12).
    TransportBar(QWidget& screen, SoundService& sound);
    ~TransportBar();
    TransportBar(const TransportBar&) = delete;
    TransportBar& operator=(const TransportBar&) = delete;

    TTransparentButton* btn_play;
    TTransparentButton* btn_stop;
    TTransparentButton* btn_pause;
    Picture* shape1; // the track
    Picture* shape2; // the knob
    Timer Timer1;

    // Run after a play has started from the bar, and after Stop.
    std::function<void()> OnPlay;
    std::function<void()> OnStop;

    // The lesson's recording or film (empty: none).
    void SetMedia(const std::string& path) { media_ = path; }
    // Puts the bar with its play button at (x, y), shown or hidden.
    void Place(int x, int y, bool visible);
    void SetVisible(bool visible);
    // Knob at the start, not dragging, timer off and registered with the
    // sound service as the screen's position timer.
    void Reset();
    // Timer off and no longer the sound service's position timer.
    void Release();
    // The knob where the player stands in the lesson's media, when the player
    // holds it.
    void FollowPlayer();
    // Whether the player holds the lesson's media, stopped at its start.
    bool Rewound() const;
    int KnobOffset() const { return shape2->x() - shape1->x(); }
    bool Dragging() const { return dragging_; }

    void btn_playClick();
    void btn_stopClick();
    void btn_pauseClick();
    void Timer1Timer();
    void Shape1MouseDown(int x);
    void Shape2MouseDown();
    void Shape2MouseMove(int x);
    void Shape2MouseUp();

  private:
    void CreateButtons(QWidget& screen);
    void CreateTrack(QWidget& screen);
    void PutKnob(int offset);
    // Seeks the lesson's media to a track step and plays from there.
    void SeekAndPlay(int step);
    bool HoldsMedia() const;

    SoundService& sound_;
    std::string media_;
    bool dragging_ = false;
    MediaTimerLink timerLink_{Timer1};
};

} // namespace lumora
