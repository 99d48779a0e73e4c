#pragma once
// The film of a story exercise: the black panel the main player draws the
// film on, and the still picture shown in its place until the film plays
// (and again after it was stopped). A recording has no picture, so its panel
// is put aside. The view registers both with the sound service, which brings
// the panel forward when a film follows its spoken help.
#include "exercise_header.h"
#include "platform/ui/panel.h"
#include "platform/ui/picture.h"
#include "screen_element_link.h"
#include "sound/sound_service.h"

#include <memory>

namespace lumora {

class WidgetSurface;

class FilmView {
  public:
    // `shows`: whether the screen shows films at all (the definitions
    // screen does not).
    FilmView(QWidget& screen, SoundService& sound, bool shows);
    ~FilmView();
    FilmView(const FilmView&) = delete;
    FilmView& operator=(const FilmView&) = delete;

    Panel* Panel2;
    Picture* img_video;

    void MoveTo(int x, int y);
    // The panel and the still as the sound service's film elements.
    void Register();
    // Takes the lesson's media: both hidden and the player's display
    // detached; then a film gets the panel as the player's display and its
    // still in front, a recording has its panel put aside.
    void Open(const ExerciseMediaFiles& media);
    // A play has started: a film comes in front of its still.
    void Started();
    // The media stopped and rewound: a film's still comes back in front.
    void ShowStill();
    // Leaving the lesson: no film any more, the panel hidden.
    void Close();

  private:
    SoundService& sound_;
    bool shows_;
    bool film_ = false;
    bool displaySet_ = false;
    std::unique_ptr<ScreenElementLink> panelLink_;
    std::unique_ptr<ScreenElementLink> stillLink_;
    std::unique_ptr<WidgetSurface> surface_;
};

} // namespace lumora
