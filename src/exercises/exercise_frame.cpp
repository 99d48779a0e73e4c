#include "exercise_frame.h"

#include "course/exercise_start.h"
#include "elements/markup_painter.h"
#include "elements/result_box.h"
#include "exercise_art.h"
#include "frame_layout.h"
#include "platform/media/media_path.h"
#include "platform/media/widget_surface.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "show_instruction.h"
#include "transport_knob.h"
#include "users/points_table.h"

namespace lumora {
namespace {

constexpr int kButtonTop = 547;
constexpr int kFilmWidth = 352;
constexpr int kFilmHeight = 288;
// A recording has no picture: its panel is put aside, off the screen's edge.
constexpr int kPanelAsideLeft = 780;

TTransparentButton* MakeButton(QWidget* parent, int left, int top, int picture,
                               const std::string& hint) {
    auto* button = new TTransparentButton(parent);
    button->move(left, top);
    button->SetBitmapNormal(picture);
    SetCursor(*button, Cursor::HandPoint);
    SetHint(*button, hint);
    return button;
}

void Place(QWidget& widget, const Rect& place) {
    widget.setGeometry(place.left, place.top, place.width, place.height);
}

} // namespace

ExerciseFrame::ExerciseFrame(const FrameOptions& options)
    : Form(800, 600), options_(options), course_(&Course()) {
    SetKeyPreview(true);
    SwallowAltF4();
    img_tlo = new Picture(this);
    img_tlo->SetBounds(0, 0, 800, 600);
    img_tlo->SetStretch(true);
    CreateFilm();
    CreateButtons();
    CreateTransport();
    CreateContentControls();
}

ExerciseFrame::~ExerciseFrame() {
    // The sound service must not keep pointers into a screen that is gone.
    if (MediaTimer() == &timerLink_) {
        SetMediaTimer(nullptr);
    }
    if (FilmPanel() == panelLink_.get()) {
        SetFilmPanel(nullptr);
    }
    if (FilmStill() == stillLink_.get()) {
        SetFilmStill(nullptr);
    }
    if (displaySet_) {
        MainPlayer().SetDisplay(nullptr);
    }
}

void ExerciseFrame::CreateButtons() {
    const CourseData& course = Course();
    btn_help = MakeButton(this, 10, kButtonTop, 3, course.GetHint(37));
    btn_help->OnClick = [this] { btn_helpClick(); };
    btn_polecenie = MakeButton(this, 336, kButtonTop, 20, course.GetHint(36));
    btn_polecenie->OnClick = [this] { btn_polecenieClick(); };
    lbl_jeszcze_raz = MakeButton(this, options_.againLeft, kButtonTop, 1, course.GetHint(38));
    lbl_jeszcze_raz->OnClick = [this] { lbl_jeszcze_razClick(); };
    lbl_jeszcze_raz->hide();
    CheckButton = MakeButton(this, options_.checkLeft, kButtonTop, 0, course.GetHint(39));
    CheckButton->OnClick = [this] { CheckClick(); };
    CheckButton->setVisible(!options_.checkHiddenAtFirst);
    btn_exit = MakeButton(this, options_.exitLeft, kButtonTop, 2, course.GetHint(40));
    btn_exit->OnClick = [this] { btn_exitClick(); };
}

void ExerciseFrame::CreateTransport() {
    btn_play = MakeButton(this, 106, 12, 17, "Play");
    btn_play->OnClick = [this] { btn_playClick(); };
    btn_stop = MakeButton(this, 175, 12, 18, "Stop");
    btn_stop->OnClick = [this] { btn_stopClick(); };
    btn_pause = MakeButton(this, 247, 12, 19, "Pause");
    btn_pause->OnClick = [this] { btn_pauseClick(); };
    const TransportPlaces places = PlaceTransport(106, 45);
    shape1 = new Picture(this);
    Place(*shape1, places.track);
    shape1->SetImage(TrackArt());
    shape1->OnMouseDown = [this](Qt::MouseButton button, int x, int) {
        if (button == Qt::LeftButton) {
            Shape1MouseDown(x);
        }
    };
    shape2 = new Picture(this);
    Place(*shape2, places.knob);
    shape2->SetImage(KnobArt());
    SetCursor(*shape2, Cursor::HandPoint);
    shape2->OnMouseDown = [this](Qt::MouseButton button, int, int) {
        if (button == Qt::LeftButton) {
            Shape2MouseDown();
        }
    };
    shape2->OnMouseMove = [this](int x, int) { Shape2MouseMove(x); };
    shape2->OnMouseUp = [this](Qt::MouseButton, int, int) { Shape2MouseUp(); };
    Timer1.SetInterval(kKnobInterval);
    Timer1.SetEnabled(false);
    Timer1.OnTimer = [this] { Timer1Timer(); };
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
    btn_dn = arrow(false);
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

bool ExerciseFrame::Load(CourseData& course) {
    SteeringRow* row = course.Steering(course.CurrentRow);
    ExerciseHeader header;
    const std::optional<std::string> fault =
        row != nullptr ? CheckLesson(course, header)
                       : std::optional<std::string>("the lesson has no steering row.");
    if (fault) {
        ShowMessage("St.t record " + course.CurrentContent + ": " + *fault);
        return false;
    }
    course_ = &course;
    header_ = header;
    ResetFrame();
    ResetExercise();
    LayOut(*row);
    RegisterWithSound();
    btn_helpClick();
    StartMedia();
    Show();
    return true;
}

std::optional<std::string> ExerciseFrame::CheckLesson(const CourseData& course,
                                                      ExerciseHeader& header) {
    std::string fault;
    const StRecord* record = StoryRecord(course, course.CurrentContent, fault);
    if (record == nullptr) {
        return fault;
    }
    const std::optional<ExerciseHeader> split = SplitExerciseHeader(record->StHead);
    if (!split) {
        return std::string("its first line needs at least four \"#\".");
    }
    header = *split;
    return ReadContent(*record);
}

void ExerciseFrame::ResetFrame() {
    lbl_jeszcze_raz->hide();
    lbl_info->SetCaption("");
    CheckButton->setVisible(!options_.checkHiddenAtFirst);
    PutKnob(0);
}

void ExerciseFrame::LayOut(SteeringRow& row) {
    const LayoutPoint bar = LayoutPair(row, 1);
    const TransportPlaces places = PlaceTransport(bar.x, bar.y);
    btn_play->move(places.play.left, places.play.top);
    btn_stop->move(places.stop.left, places.stop.top);
    btn_pause->move(places.pause.left, places.pause.top);
    Place(*shape1, places.track);
    Place(*shape2, places.knob);
    for (QWidget* part : {static_cast<QWidget*>(btn_play), static_cast<QWidget*>(btn_stop),
                          static_cast<QWidget*>(btn_pause), static_cast<QWidget*>(shape1),
                          static_cast<QWidget*>(shape2)}) {
        part->setVisible(options_.transport);
    }
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
    dragging_ = false;
    SetMediaTimer(&timerLink_);
    SetFilmPanel(options_.film ? panelLink_.get() : nullptr);
    SetFilmStill(options_.film ? stillLink_.get() : nullptr);
    Timer1.SetEnabled(false);
}

void ExerciseFrame::StartMedia() {
    const ExerciseMediaFiles media = FindExerciseMedia(*course_, header_.MediaName);
    film_ = media.FilmMode;
    SetFilmMode(film_);
    exerciseMedia_ = media.ExerciseMedia;
    MainPlayer().SetDisplay(nullptr);
    displaySet_ = false;
    img_video->hide();
    Panel2->hide();
    if (exerciseMedia_.empty()) {
        return;
    }
    if (!film_) {
        Panel2->move(kPanelAsideLeft, 0);
    } else if (options_.film) {
        MainPlayer().SetDisplay(filmSurface_.get());
        displaySet_ = true;
        img_video->LoadFromFile(media.StillPicture);
        img_video->show();
    }
    // The help started first, so an automatic start waits behind it.
    if (course_->AutoPlay == 1) {
        PlaySound(exerciseMedia_, SoundMode::Next);
    }
}

void ExerciseFrame::FormShow() {
    Panel2->hide();
    LoadBackground();
}

void ExerciseFrame::LoadBackground() {
    const SteeringRow* row = course_->Steering(course_->CurrentRow);
    if (row != nullptr && !row->Background.empty()) {
        const std::string named = course_->DataPath("tla\\" + row->Background);
        if (FileExists(named)) {
            img_tlo->LoadFromFile(named);
        }
        return;
    }
    const std::string blank = course_->DataPath(options_.background.file);
    if (!options_.background.onlyIfPresent || FileExists(blank)) {
        img_tlo->LoadFromFile(blank);
    }
}

void ExerciseFrame::FormClose() {
    StopMedia();
    CloseSideSound();
    img_tlo->Clear();
    Timer1.SetEnabled(false);
    SetMediaTimer(nullptr);
    NotifyLessonClosed();
}

void ExerciseFrame::btn_helpClick() {
    StopMedia();
    const std::string help = HelpSoundPath(*course_, header_);
    if (!help.empty()) {
        PlaySound(help, SoundMode::Next);
    } else {
        PlayInstruction(course_->CurrentCode);
    }
}

void ExerciseFrame::btn_polecenieClick() {
    ShowInstruction(course_->CurrentCode);
}

void ExerciseFrame::btn_playClick() {
    shape1->setEnabled(true);
    shape2->setEnabled(true);
    Timer1.SetEnabled(false);
    PlayMedia(exerciseMedia_, false);
    if (film_ && options_.film && Panel2->isHidden()) {
        Panel2->show();
        img_video->hide();
    }
}

void ExerciseFrame::btn_stopClick() {
    StopMedia();
    PutKnob(0);
}

void ExerciseFrame::btn_pauseClick() {
    PauseMedia();
}

void ExerciseFrame::Timer1Timer() {
    MediaPlayer& player = MainPlayer();
    if (dragging_ || player.Mode() != PlayerMode::Playing) {
        return;
    }
    PutKnob(KnobOffset(player.Position(), player.Length()));
}

void ExerciseFrame::Shape1MouseDown(int x) {
    dragging_ = false;
    Timer1.SetEnabled(false);
    PutKnob(x);
    SeekAndPlay(x);
}

void ExerciseFrame::Shape2MouseDown() {
    dragging_ = true;
}

void ExerciseFrame::Shape2MouseMove(int x) {
    if (dragging_) {
        shape2->move(ClampKnob(shape2->x() + x, shape1->x(), shape1->width()), shape2->y());
    }
}

void ExerciseFrame::Shape2MouseUp() {
    dragging_ = false;
    Timer1.SetEnabled(false);
    SeekAndPlay(shape2->x() - shape1->x());
}

void ExerciseFrame::PutKnob(int offset) {
    shape2->move(shape1->x() + offset, shape2->y());
}

bool ExerciseFrame::HoldsExerciseMedia() const {
    const MediaPlayer& player = MainPlayer();
    return !exerciseMedia_.empty() && player.Mode() != PlayerMode::NotReady &&
           player.FileName() == MediaFileOnDisk(exerciseMedia_);
}

void ExerciseFrame::SeekAndPlay(int step) {
    // A seek acts on whatever the main player holds. While that is still the
    // help sound, the lesson's media is opened first, or the seek would move
    // the help and the recording would start from its beginning.
    if (!HoldsExerciseMedia()) {
        PlayMedia(exerciseMedia_, false);
    }
    if (HoldsExerciseMedia()) {
        SeekMedia(step);
    }
    btn_playClick();
    Timer1.SetEnabled(true);
}

void ExerciseFrame::PlayVerdictSound(bool allRight) {
    PauseMedia();
    const std::string sound =
        course_->DataPath("wav\\" + (allRight ? PraiseSoundName() : FailureSoundName()));
    if (FileExists(sound)) {
        PlaySideSound(sound);
    }
}

void ExerciseFrame::lbl_jeszcze_razClick() {
    if (Load(*course_)) {
        FormShow();
    }
}

void ExerciseFrame::btn_exitClick() {
    film_ = false;
    SetFilmMode(false);
    StopMedia();
    for (QWidget* part : {static_cast<QWidget*>(Panel2), static_cast<QWidget*>(shape2),
                          static_cast<QWidget*>(shape1), static_cast<QWidget*>(btn_play),
                          static_cast<QWidget*>(btn_stop), static_cast<QWidget*>(btn_pause)}) {
        part->hide();
    }
    const ExerciseScore score = Score();
    AddPoints(*course_, CurrentPoints(), course_->CurrentContent, course_->CurrentCode,
              score.points);
    ShowResult(score.points, score.right, score.wrong, score.actions, score.items);
    Close();
}

} // namespace lumora
