#pragma once
// The frame of the story exercise screens, on top of the lesson screen: the
// check and again buttons, the transport bar that plays the lesson's
// recording or film, the film panel with its still, the hidden instruction
// box, the scroll buttons of the content area, and the sequence load ->
// check -> again or exit. Each screen derives from it, says how it differs
// through FrameOptions, and adds its own content.
#include "common/scroll_state.h"
#include "elements/fcs_image.h"
#include "exercise_header.h"
#include "film_view.h"
#include "lesson_screen.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "transport_bar.h"

#include <optional>
#include <string>

namespace lumora {

class ExerciseFrame : public LessonScreen {
  public:
    static constexpr int kKnobInterval = TransportBar::kKnobInterval;

    ExerciseFrame(RunContext& context, const FrameOptions& options);

    TTransparentButton* lbl_jeszcze_raz;
    TTransparentButton* CheckButton; // btn_ok or btn_sprawdz, by screen
    TransportBar Transport;
    // The transport bar's controls under the names the screens use.
    TTransparentButton* btn_play;
    TTransparentButton* btn_stop;
    TTransparentButton* btn_pause;
    Picture* shape1;
    Picture* shape2;
    Timer& Timer1;
    FilmView Film;
    Panel* Panel2;
    Picture* img_video;
    TFCSImage1* btn_up;
    TFCSImage1* btn_dn;
    PaintBox* pb_polecenie;
    Label* lbl_info;

    const ExerciseHeader& Header() const { return header_; }
    // The recording or film of the lesson; empty when its file is missing.
    const std::string& ExerciseMedia() const { return exerciseMedia_; }
    bool IsFilm() const { return film_; }
    bool Dragging() const { return Transport.Dragging(); }
    // The control laid out from pairs 3 and 4, if the screen has one.
    QWidget* ContentControl() const { return contentArea_; }
    int ScrollPosition() const { return scroll_.Position(); }
    int ScrollLimit() const { return scroll_.Limit(); }

    void lbl_jeszcze_razClick();
    void btn_upClick();
    void btn_dnClick();

  protected:
    void CreateControls() override;
    // Parses the screen's content from the record. On a fault returns its
    // text and leaves the screen unchanged.
    virtual std::optional<std::string> ReadContent(const StRecord& record) = 0;
    // The screen's share of loading, run after the frame's counters are reset:
    // clears its answers and sets up the content just read.
    virtual void ResetExercise() = 0;
    // The check button.
    virtual void CheckClick() = 0;
    // The content moved by the scroll buttons; by default the content area
    // is painted again.
    virtual void ContentScrolled();

    // The control that lays out from pairs 3 and 4 (with the scroll buttons
    // beside it when the screen has them).
    void SetContentArea(QWidget* area) { contentArea_ = area; }
    // For the first paint after a load: how many steps the content can
    // scroll, which shows the down button when it can.
    void SetScrollLimit(int limit);
    bool ScrollMeasured() const { return scroll_.Measured(); }
    // Back to the top, with the limit measured again by the next paint.
    void ResetScroll();

    std::optional<LoadFault> ReadLesson() final;
    void PrepareLesson() final;
    void PlayHelp() override;
    void BeforeLeaving() override;
    void FormShow() override;
    void FormClose() override;

  private:
    void CreateContentControls();
    void ResetFrame();
    void LayOut(SteeringRow& row);
    void PlaceScrollButtons(SteeringRow& row);
    void RegisterWithSound();
    void StartMedia();
    void CheckButtonClick();

    FrameOptions options_;
    ExerciseHeader header_;
    std::string exerciseMedia_;
    bool film_ = false;
    QWidget* contentArea_ = nullptr;
    ScrollState scroll_;
};

} // namespace lumora
