#include "exercise_frame.h"

#include "elements/markup_painter.h"
#include "exercise_art.h"
#include "frame_layout.h"
#include "platform/media/widget_surface.h"

namespace lumora {
namespace {

constexpr int kFilmWidth = 352;
constexpr int kFilmHeight = 288;
// A recording has no picture: its panel is put aside, off the screen's edge.
constexpr int kPanelAsideLeft = 780;

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

ExerciseFrame::ExerciseFrame(LessonContext& context, const FrameOptions& options)
    : LessonScreen(context, ScreenOptions(options)), Transport(*this, context.sound),
      btn_play(Transport.btn_play), btn_stop(Transport.btn_stop), btn_pause(Transport.btn_pause),
      shape1(Transport.shape1), shape2(Transport.shape2), Timer1(Transport.Timer1),
      options_(options) {
    const CourseData& course = context.course;
    lbl_jeszcze_raz = MakeButton(options_.againLeft, kButtonTop, 1, course.GetHint(38));
    lbl_jeszcze_raz->OnClick = [this] { lbl_jeszcze_razClick(); };
    lbl_jeszcze_raz->hide();
    CheckButton = MakeButton(options_.checkLeft, kButtonTop, 0, course.GetHint(39));
    CheckButton->OnClick = [this] { CheckButtonClick(); };
    CheckButton->setVisible(!options_.checkHiddenAtFirst);
    Transport.OnPlay = [this] { FilmStarted(); };
    Transport.OnStop = [this] { ShowStill(); };
    CreateFilm();
    CreateContentControls();
}

ExerciseFrame::~ExerciseFrame() {
    // The sound service must not keep pointers into a screen that is gone.
    SoundService& sound = Sounds();
    if (sound.FilmPanel() == panelLink_.get()) {
        sound.SetFilmPanel(nullptr);
    }
    if (sound.FilmStill() == stillLink_.get()) {
        sound.SetFilmStill(nullptr);
    }
    if (displaySet_) {
        sound.MainPlayer().SetDisplay(nullptr);
    }
}

void ExerciseFrame::CreateFilm() {
    Panel2 = new Panel(this);
    Panel2->SetBounds(0, 0, kFilmWidth, kFilmHeight);
    Panel2->SetColor(kBlack);
    Panel2->hide();
    img_video = new Picture(this);
    img_video->SetBounds(0, 0, kFilmWidth, kFilmHeight);
    img_video->SetStretch(true);
    img_video->hide();
    panelLink_ = std::make_unique<ScreenElementLink>(*Panel2);
    stillLink_ = std::make_unique<ScreenElementLink>(*img_video);
    filmSurface_ = std::make_unique<WidgetSurface>(Panel2);
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
    btn_dn = arrow(false);
    btn_dn->OnClick = [this] { btn_dnClick(); };
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

std::optional<std::string> ExerciseFrame::ReadLesson() {
    const CourseData& course = CurrentCourse();
    if (course.Steering(course.CurrentRow) == nullptr) {
        return "St.t record " + course.CurrentContent + ": the lesson has no steering row.";
    }
    const StoryLesson lesson = ReadStoryLesson(course, course.CurrentContent);
    std::optional<std::string> fault = lesson.fault;
    if (!fault) {
        fault = ReadContent(*lesson.record);
    }
    if (fault) {
        return "St.t record " + course.CurrentContent + ": " + *fault;
    }
    header_ = lesson.header;
    return std::nullopt;
}

void ExerciseFrame::PrepareLesson() {
    SteeringRow& row = *Context().course.Steering(CurrentCourse().CurrentRow);
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
    scroll_.Reset();
    btn_up->hide();
}

void ExerciseFrame::LayOut(SteeringRow& row) {
    const LayoutPoint bar = LayoutPair(row, 1);
    Transport.Place(bar.x, bar.y, options_.transport);
    const LayoutPoint film = LayoutPair(row, 2);
    Panel2->move(film.x, film.y);
    img_video->move(film.x, film.y);
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
    Sounds().SetFilmPanel(options_.film ? panelLink_.get() : nullptr);
    Sounds().SetFilmStill(options_.film ? stillLink_.get() : nullptr);
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
    const ExerciseMediaFiles media = FindExerciseMedia(CurrentCourse(), header_.MediaName);
    film_ = media.FilmMode;
    sound.SetFilmMode(film_);
    exerciseMedia_ = media.ExerciseMedia;
    Transport.SetMedia(exerciseMedia_);
    sound.MainPlayer().SetDisplay(nullptr);
    displaySet_ = false;
    img_video->hide();
    Panel2->hide();
    if (exerciseMedia_.empty()) {
        return;
    }
    if (!film_) {
        Panel2->move(kPanelAsideLeft, 0);
    } else if (options_.film) {
        sound.MainPlayer().SetDisplay(filmSurface_.get());
        displaySet_ = true;
        img_video->LoadFromFile(media.StillPicture);
        img_video->show();
    }
    // The help started first, so an automatic start waits behind it.
    if (CurrentCourse().AutoPlay == 1) {
        sound.PlaySound(exerciseMedia_, SoundMode::Next);
    }
}

void ExerciseFrame::FilmStarted() {
    if (film_ && options_.film && Panel2->isHidden()) {
        Panel2->show();
        img_video->hide();
    }
}

void ExerciseFrame::ShowStill() {
    if (film_ && options_.film && img_video->HasImage()) {
        Panel2->hide();
        img_video->show();
    }
}

void ExerciseFrame::CheckButtonClick() {
    CheckClick();
    // A check that stopped the media has rewound it: the knob goes back to
    // where the player is, and a film shows its still again.
    if (Transport.Rewound()) {
        Transport.FollowPlayer();
        ShowStill();
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
    Panel2->hide();
    Transport.SetVisible(false);
}

} // namespace lumora
