#pragma once
// The frame of the story exercise screens: a full-screen background, the
// buttons along the bottom (help, instruction, check, again, exit), the
// transport bar that plays the lesson's recording or film with a draggable
// knob, the film panel, and the sequence of loading a lesson, checking it,
// trying again and leaving it with points. Each screen derives from it, says
// how it differs through FrameOptions, and adds its own content.
#include "elements/fcs_image.h"
#include "elements/transparent_button.h"
#include "exercise_header.h"
#include "frame_options.h"
#include "media_timer_link.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/paint_box.h"
#include "platform/ui/panel.h"
#include "platform/ui/picture.h"
#include "platform/ui/timer.h"
#include "screen_element_link.h"

#include <memory>
#include <optional>
#include <string>

namespace lumora {

class WidgetSurface;

// What a screen passes on when it is left.
struct ExerciseScore {
    int points = 0;
    int right = 0;
    int wrong = 0;
    int actions = 0;
    int items = 0;
};

class ExerciseFrame : public Form {
  public:
    static constexpr int kKnobInterval = 500; // milliseconds

    explicit ExerciseFrame(const FrameOptions& options);
    ~ExerciseFrame() override;

    // The loader, run by the topic screen and by the again button: reads the
    // St.t record the current lesson names, lays the screen out from its
    // steering row, starts the spoken help (and, with AutoPlay, the recording
    // or film behind it) and shows the screen. A record that does not follow
    // its format is refused with a message naming it, and the screen stays
    // as it was. False when refused.
    bool Load(CourseData& course);

    Picture* img_tlo;
    TTransparentButton* btn_help;
    TTransparentButton* btn_polecenie;
    TTransparentButton* lbl_jeszcze_raz;
    TTransparentButton* CheckButton; // btn_ok or btn_sprawdz, by screen
    TTransparentButton* btn_exit;
    TTransparentButton* btn_play;
    TTransparentButton* btn_stop;
    TTransparentButton* btn_pause;
    Picture* shape1; // the track
    Picture* shape2; // the knob
    Timer Timer1;
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
    bool Dragging() const { return dragging_; }

    void btn_helpClick();
    void btn_polecenieClick();
    void btn_playClick();
    void btn_stopClick();
    void btn_pauseClick();
    void Timer1Timer();
    void Shape1MouseDown(int x);
    void Shape2MouseDown();
    void Shape2MouseMove(int x);
    void Shape2MouseUp();
    void lbl_jeszcze_razClick();
    void btn_exitClick();

  protected:
    // Parses the screen's content from the record. On a fault returns its
    // text and leaves the screen unchanged.
    virtual std::optional<std::string> ReadContent(const StRecord& record) = 0;
    // The screen's share of loading, run after the frame's counters are reset:
    // clears its answers and sets up the content just read.
    virtual void ResetExercise() = 0;
    virtual ExerciseScore Score() const = 0;
    // The check button.
    virtual void CheckClick() = 0;

    // The control that lays out from pairs 3 and 4 (with the scroll buttons
    // beside it when the screen has them).
    void SetContentArea(QWidget* area) { contentArea_ = area; }
    const CourseData& CurrentCourse() const { return *course_; }
    // The verdict after marking, on the side player over the paused media:
    // the learner's praise sound when all is right, else a failure sound. A
    // missing sound plays nothing.
    void PlayVerdictSound(bool allRight);

    void FormShow() override;
    void FormClose() override;

  private:
    // What is wrong with the current lesson's record, if anything; its header
    // when nothing is.
    std::optional<std::string> CheckLesson(const CourseData& course, ExerciseHeader& header);
    void CreateButtons();
    void CreateTransport();
    void CreateFilm();
    void CreateContentControls();
    void ResetFrame();
    void LayOut(SteeringRow& row);
    void PlaceScrollButtons(SteeringRow& row);
    void RegisterWithSound();
    void StartMedia();
    void LoadBackground();
    void PutKnob(int offset);
    // Seeks the lesson's media to a track step and plays from there.
    void SeekAndPlay(int step);
    bool HoldsExerciseMedia() const;

    FrameOptions options_;
    CourseData* course_;
    ExerciseHeader header_;
    std::string exerciseMedia_;
    bool film_ = false;
    bool dragging_ = false;
    bool displaySet_ = false;
    QWidget* contentArea_ = nullptr;
    MediaTimerLink timerLink_{Timer1};
    std::unique_ptr<ScreenElementLink> panelLink_;
    std::unique_ptr<ScreenElementLink> stillLink_;
    std::unique_ptr<WidgetSurface> filmSurface_;
};

} // namespace lumora
