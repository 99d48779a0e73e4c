#include "lesson_screen.h"

#include "elements/dialogs.h"
#include "listening_speed_control.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "sound/sound_service.h"

namespace lumora {

LessonScreen::LessonScreen(RunContext& context, const LessonScreenOptions& options)
    : Form(800, 600), context_(context), options_(options),
      speed_(std::make_unique<ListeningSpeedControl>(*this, context.session, context.sound)) {
    SetKeyPreview(true);
    SwallowAltF4();
    // Escape that nothing else used leaves as the exit button does.
    OnEscape = [this] {
        if (btn_exit != nullptr && btn_exit->isVisible() && btn_exit->isEnabled()) {
            btn_exit->Click();
        }
    };
}

LessonScreen::~LessonScreen() = default;

void LessonScreen::CreateControls() {
    img_tlo = new Picture(this);
    img_tlo->SetBounds(0, 0, 800, 600);
    img_tlo->SetStretch(true);
    const CourseData& course = context_.course;
    btn_help = MakeButton(10, kButtonTop, 3, course.GetHint(37));
    btn_help->OnClick = [this] { btn_helpClick(); };
    btn_polecenie = MakeButton(336, kButtonTop, 20, course.GetHint(36));
    btn_polecenie->OnClick = [this] { btn_polecenieClick(); };
    btn_exit = MakeButton(options_.exitLeft, kButtonTop, 2, course.GetHint(40));
    btn_exit->OnClick = [this] { btn_exitClick(); };
    // What a screen made in its constructor (the frame's transport bar and
    // film) lies above these, the background lowest of all.
    for (QWidget* control :
         std::initializer_list<QWidget*>{btn_exit, btn_polecenie, btn_help, img_tlo}) {
        control->lower();
    }
}

TTransparentButton* LessonScreen::MakeButton(int left, int top, int picture,
                                             const std::string& hint) {
    auto* button = new TTransparentButton(this);
    button->move(left, top);
    button->SetBitmapNormal(picture);
    SetCursor(*button, Cursor::HandPoint);
    SetHint(*button, hint);
    return button;
}

void LessonScreen::MakeControls() {
    if (!controlsMade_) {
        controlsMade_ = true;
        CreateControls();
    }
}

bool LessonScreen::Load() {
    MakeControls();
    if (const std::optional<LoadFault> fault = ReadLesson()) {
        LoadReport::Show(*fault);
        return false;
    }
    PrepareLesson();
    // Screen readers name the window by the lesson.
    const SteeringRow* row = context_.course.Steering(Lesson().CurrentRow);
    SetAccessibleTitle(row != nullptr && !row->Title.empty() ? "Ćwiczenie: " + row->Title
                                                             : "Ćwiczenie");
    Show();
    return true;
}

void LessonScreen::FormShow() {
    speed_->ScreenOpened();
    LoadBackground();
}

// The row's background from "tla" when it names one (nothing when that file
// is missing); otherwise the screen's default.
void LessonScreen::LoadBackground() {
    const CourseData& course = context_.course;
    const SteeringRow* row = course.Steering(Lesson().CurrentRow);
    if (row != nullptr && !row->Background.empty()) {
        const std::string named = course.DataPath("tla\\" + row->Background);
        if (FileExists(named)) {
            img_tlo->LoadFromFile(named);
        }
        return;
    }
    const std::string blank = course.DataPath(options_.background.file);
    if (!options_.background.onlyIfPresent || FileExists(blank)) {
        img_tlo->LoadFromFile(blank);
    }
}

void LessonScreen::FormClose() {
    context_.sound.StopMedia();
    context_.sound.CloseSideSound();
    speed_->ScreenClosed();
    img_tlo->Clear();
    if (OnClosed) {
        OnClosed();
    }
}

bool LessonScreen::KeysForItems(const QWidget* box) const {
    const QWidget* focus = focusWidget();
    return focus == nullptr || focus == this || focus == box || focus == img_tlo;
}

void LessonScreen::btn_helpClick() {
    context_.sound.StopMedia();
    PlayHelp();
}

void LessonScreen::PlayHelp() {
    context_.sound.PlayInstruction(context_.course, Lesson().CurrentCode);
}

void LessonScreen::btn_polecenieClick() {
    context_.dialogs.ShowInformationText(context_.course.InstructionText(Lesson().CurrentCode));
}

void LessonScreen::btn_exitClick() {
    BeforeLeaving();
    FinishLesson(Score());
}

void LessonScreen::FinishLesson(const LessonScore& score) {
    Session& session = context_.session;
    AddPoints(session, session.lesson.CurrentContent, session.lesson.CurrentCode, score.points);
    const int tag = context_.dialogs.ResultBox().ShowResult(score.points, score.right, score.wrong,
                                                            score.answered, score.items,
                                                            session.points.Total());
    if (options_.stayOnResultEsc && tag == 0) {
        return;
    }
    Close();
}

} // namespace lumora

namespace lumora {

SteeringRow& LessonScreen::LayoutRow() const {
    // A screen is opened only for a row of the table.
    return *CurrentLayoutRow(context_.course, context_.session.lesson);
}

} // namespace lumora
