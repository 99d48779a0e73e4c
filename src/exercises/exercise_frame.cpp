#include "exercise_frame.h"

#include "elements/markup_painter.h"
#include "exercise_art.h"
#include "frame_layout.h"
#include "listening_speed_control.h"

namespace lumora {
namespace {

LessonScreenOptions ScreenOptions(const FrameOptions& options) {
    LessonScreenOptions screen;
    screen.exitLeft = options.exitLeft;
    screen.background = options.background;
    return screen;
}

void Place(QWidget& widget, const Rect& place) {
    widget.setGeometry(place.left, place.top, place.width, place.height);
}

} // namespace

ExerciseFrame::ExerciseFrame(RunContext& context, const FrameOptions& options)
    : LessonScreen(context, ScreenOptions(options)), Transport(*this, context.sound),
      btn_play(Transport.btn_play), btn_stop(Transport.btn_stop), btn_pause(Transport.btn_pause),
      shape1(Transport.shape1), shape2(Transport.shape2), Timer1(Transport.Timer1),
      Film(*this, context.sound, options.film), Panel2(Film.Panel2), img_video(Film.img_video),
      options_(options) {}

void ExerciseFrame::CreateControls() {
    LessonScreen::CreateControls();
    const CourseData& course = CurrentCourse();
    lbl_jeszcze_raz = MakeButton(options_.againLeft, kButtonTop, 1, course.GetHint(38));
    lbl_jeszcze_raz->OnClick = [this] { lbl_jeszcze_razClick(); };
    lbl_jeszcze_raz->hide();
    CheckButton = MakeButton(options_.checkLeft, kButtonTop, 0, course.GetHint(39));
    CheckButton->OnClick = [this] { CheckButtonClick(); };
    CheckButton->setVisible(!options_.checkHiddenAtFirst);
    Transport.OnPlay = [this] { Film.Started(); };
    Transport.OnStop = [this] { Film.ShowStill(); };
    ListeningSpeed().CycleOnRightClick(*Transport.btn_play);
    CreateContentControls();
}

void ExerciseFrame::CreateContentControls() {
    const auto arrow = [this](bool up) {
        auto* button = new TFCSImage1(this);
        button->SetImage(ScrollArrowPicture(up));
        button->resize(button->Image().size());
        SetCursor(*button, Cursor::HandPoint);
        button->hide();
        return button;
    };
    btn_up = arrow(true);
    btn_up->OnClick = [this] { btn_upClick(); };
    SetAccessibleName(*btn_up, "Przewiń w górę");
    btn_dn = arrow(false);
    btn_dn->OnClick = [this] { btn_dnClick(); };
    SetAccessibleName(*btn_dn, "Przewiń w dół");
    pb_polecenie = new PaintBox(this);
    pb_polecenie->SetBounds(20, 100, 637, 40);
    pb_polecenie->OnPaint = [this](Canvas& canvas) {
        PaintMarkup(canvas, header_.InstructionText);
    };
    pb_polecenie->hide();
    lbl_info = new Label(this);
    lbl_info->SetBounds(88, 564, 169, 33);
    lbl_info->SetWordWrap(true);
}

std::optional<LoadFault> ExerciseFrame::ReadLesson() {
    const CourseData& course = CurrentCourse();
    if (course.Steering(Lesson().CurrentRow) == nullptr) {
        return PlainFault("St.t record " + Lesson().CurrentContent +
                          ": the lesson has no steering row.");
    }
    const StoryLesson lesson = ReadStoryLesson(course, Lesson().CurrentContent);
    std::optional<std::string> fault = lesson.fault;
    if (!fault) {
        fault = ReadContent(*lesson.record);
    }
    if (fault) {
        return PlainFault("St.t record " + Lesson().CurrentContent + ": " + *fault);
    }
    header_ = lesson.header;
    return std::nullopt;
}

void ExerciseFrame::PrepareLesson() {
    SteeringRow& row = LayoutRow();
    ResetFrame();
    ResetExercise();
    LayOut(row);
    RegisterWithSound();
    btn_helpClick();
    StartMedia();
}

void ExerciseFrame::ResetFrame() {
    lbl_jeszcze_raz->hide();
    lbl_info->SetCaption("");
    CheckButton->setVisible(!options_.checkHiddenAtFirst);
    ResetScroll();
}

void ExerciseFrame::LayOut(SteeringRow& row) {
    const LayoutPoint bar = LayoutPair(row, 1);
    Transport.Place(bar.x, bar.y, options_.transport);
    const LayoutPoint film = LayoutPair(row, 2);
    Film.MoveTo(film.x, film.y);
    pb_polecenie->resize(InstructionBoxWidth(pb_polecenie->x(), pb_polecenie->width()),
                         pb_polecenie->height());
    PlaceScrollButtons(row);
}

void ExerciseFrame::PlaceScrollButtons(SteeringRow& row) {
    if (contentArea_ == nullptr || !options_.contentDefaults) {
        return;
    }
    const Rect area = ContentArea(row, *options_.contentDefaults);
    Place(*contentArea_, area);
    if (options_.scrollButtons) {
        const ScrollPlaces places =
            lumora::PlaceScrollButtons(area, btn_up->width(), btn_up->height(), btn_dn->height());
        Place(*btn_up, places.up);
        Place(*btn_dn, places.down);
    }
}

void ExerciseFrame::RegisterWithSound() {
    Transport.Reset();
    Film.Register();
}

void ExerciseFrame::PlayHelp() {
    const std::string help = HelpSoundPath(CurrentCourse(), header_);
    if (!help.empty()) {
        Sounds().PlaySound(help, SoundMode::Next);
    } else {
        LessonScreen::PlayHelp();
    }
}

void ExerciseFrame::StartMedia() {
    SoundService& sound = Sounds();
    // A screen that keeps its transport bar hidden prepares no media.
    const ExerciseMediaFiles media = options_.transport
                                         ? FindExerciseMedia(CurrentCourse(), header_.MediaName)
                                         : ExerciseMediaFiles{};
    film_ = media.FilmMode;
    sound.SetFilmMode(film_);
    exerciseMedia_ = media.ExerciseMedia;
    Transport.SetMedia(exerciseMedia_);
    Film.Open(media);
    // The help started first, so an automatic start waits behind it.
    if (!exerciseMedia_.empty() && Settings().AutoPlay == 1) {
        sound.PlaySound(exerciseMedia_, SoundMode::Next);
    }
}

void ExerciseFrame::CheckButtonClick() {
    CheckClick();
    // A check that stopped the media has rewound it: the knob goes back to
    // where the player is, and a film shows its still again.
    if (Transport.Rewound()) {
        Transport.FollowPlayer();
        Film.ShowStill();
    }
}

void ExerciseFrame::FormShow() {
    Panel2->hide();
    LessonScreen::FormShow();
}

void ExerciseFrame::FormClose() {
    LessonScreen::FormClose();
    Transport.Release();
}

void ExerciseFrame::lbl_jeszcze_razClick() {
    if (Load()) {
        FormShow();
    }
}

void ExerciseFrame::SetScrollLimit(int limit) {
    scroll_.SetLimit(limit);
    btn_dn->setVisible(scroll_.CanDown());
}

void ExerciseFrame::ResetScroll() {
    scroll_.Reset();
    btn_up->hide();
}

void ExerciseFrame::btn_upClick() {
    scroll_.Up();
    btn_up->setVisible(scroll_.CanUp());
    btn_dn->show();
    ContentScrolled();
}

void ExerciseFrame::btn_dnClick() {
    scroll_.Down();
    btn_dn->setVisible(scroll_.CanDown());
    btn_up->show();
    ContentScrolled();
}

void ExerciseFrame::ContentScrolled() {
    if (contentArea_ != nullptr) {
        contentArea_->update();
    }
}

void ExerciseFrame::BeforeLeaving() {
    film_ = false;
    Sounds().SetFilmMode(false);
    Sounds().StopMedia();
    Film.Close();
    Transport.SetVisible(false);
}

} // namespace lumora
