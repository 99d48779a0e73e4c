#include "choice_screen.h"

#include "exercises/common/lesson_keys.h"
#include "exercises/common/spoken_text.h"
#include "exercises/common/verdict.h"
#include "exercises/exercise_art.h"

namespace lumora {
namespace {

FrameOptions ChoiceFrame() {
    FrameOptions options;
    options.scrollButtons = true;
    // The default is narrower than it is tall.
    options.contentDefaults = Rect{20, 156, 381, 729};
    return options;
}

Picture* MarkPicture(QWidget* parent, const QImage& image) {
    auto* picture = new Picture(parent);
    picture->SetBounds(0, 0, kAnswerMarkSize, kAnswerMarkSize);
    picture->SetImage(image);
    picture->hide();
    return picture;
}

} // namespace

TC_MC_Form::TC_MC_Form(RunContext& context) : ExerciseFrame(context, ChoiceFrame()) {}

void TC_MC_Form::CreateControls() {
    ExerciseFrame::CreateControls();
    pb_tresc = new PaintBox(this);
    pb_tresc->SetBounds(20, 156, 729, 381);
    pb_tresc->OnPaint = [this](Canvas& canvas) { pb_trescPaint(canvas); };
    pb_tresc->OnMouseDown = [this](Qt::MouseButton, int x, int y) { pb_trescMouseDown(x, y); };
    pb_tresc->OnMouseMove = [this](int x, int y) { pb_trescMouseMove(x, y); };
    SetContentArea(pb_tresc);
    pb_tresc->OnKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        return AnswerKey(key, modifiers);
    };
    answers_ = std::make_unique<KeyboardGrid>(*pb_tresc);
    SetKeyboardStart(pb_tresc);
    answers_->ItemRole = AccessRole::ListItem;
    answers_->ItemRect = [this](int i) {
        const AnswerArea* area = AreaOf(keys_.At(i));
        return area != nullptr
                   ? QRect(QPoint(area->left, area->top), QPoint(area->right, area->bottom))
                   : QRect();
    };
    answers_->ItemName = [this](int i) { return AnswerName(i); };
    pb_tresc->setAccessibleName(QString::fromUtf8("Pytania i odpowiedzi"));
    btn_ok = CheckButton;
    img_normal = MarkPicture(this, UncheckedMarkArt());
    img_checked = MarkPicture(this, CheckedMarkArt());
    img_bad = MarkPicture(this, CrossedMarkArt());
}

std::optional<std::string> TC_MC_Form::ReadContent(const StRecord& record) {
    auto parsed = ParseChoiceContent(record.StBody);
    if (auto* fault = std::get_if<std::string>(&parsed)) {
        return *fault;
    }
    content_ = std::move(std::get<ChoiceContent>(parsed));
    return std::nullopt;
}

void TC_MC_Form::ResetExercise() {
    ShuffleAnswers(content_);
    state_ = ChoiceState(content_);
    keys_ = ChoiceKeys(content_);
    answers_->SetCount(keys_.Count());
    answers_->SetCurrent(keys_.Empty() ? -1 : 0);
    areas_.clear();
    // A new lesson starts in the regular style, whatever the last one left.
    bold_ = false;
    italic_ = false;
    Repaint();
}

LessonScore TC_MC_Form::Score() const {
    return {state_.Points(), state_.Right(), state_.WrongCount(), state_.Actions(),
            state_.Questions()};
}

const QImage& TC_MC_Form::MarkImage(AnswerMark mark) const {
    switch (mark) {
    case AnswerMark::Bad:
        return img_bad->Image();
    case AnswerMark::Checked:
        return img_checked->Image();
    case AnswerMark::Normal:
        break;
    }
    return img_normal->Image();
}

void TC_MC_Form::pb_trescPaint(Canvas& canvas) {
    canvas.Font.face = "Arial";
    canvas.Font.size = 10;
    canvas.Font.pixels = 0;
    canvas.Font.bold = bold_;
    canvas.Font.italic = italic_;
    canvas.Brush.style = BrushStyle::Clear;
    const ChoiceLayout layout = LayOutChoices(canvas, content_, state_, ScrollPosition());
    bold_ = canvas.Font.bold;
    italic_ = canvas.Font.italic;
    for (const ChoiceMarkPlace& place : layout.marks) {
        canvas.DrawPicture(place.x, place.y, MarkImage(place.mark));
    }
    canvas.Font.colour = kBlack;
    for (const ChoiceWord& word : layout.words) {
        canvas.Font.bold = word.bold;
        canvas.Font.italic = word.italic;
        canvas.TextOut(word.x, word.y, word.text);
    }
    areas_ = layout.areas;
    if (!ScrollMeasured()) {
        SetScrollLimit(ChoiceScrollLimit(layout.end, pb_tresc->height()));
    }
}

void TC_MC_Form::pb_trescMouseDown(int x, int y) {
    if (state_.Marked()) {
        return;
    }
    if (const AnswerArea* hit = HitAnswer(areas_, x, y)) {
        state_.Choose(hit->question, hit->option);
        Repaint();
    }
}

void TC_MC_Form::pb_trescMouseMove(int x, int y) {
    if (!state_.Marked()) {
        SetCursor(*pb_tresc,
                  HitAnswer(areas_, x, y) != nullptr ? Cursor::HandPoint : Cursor::Arrow);
    }
}

void TC_MC_Form::btn_okClick() {
    state_.Mark();
    btn_ok->hide();
    Sounds().StopMedia();
    lbl_jeszcze_raz->show();
    Sounds().PauseMedia();
    PlayVerdict(CurrentCourse(), Sounds(), Settings().SoundSet,
                state_.Right() == state_.Questions());
    Repaint();
}

// The arrows step through the answers, Space or Enter chooses the current one
// as a click does; other keys are the lesson's.
void TC_MC_Form::FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (AnswerKey(key, modifiers)) {
        key = 0;
    }
}

bool TC_MC_Form::AnswerKey(int key, Qt::KeyboardModifiers modifiers) {
    if (const std::optional<KeyStep> step = ArrowStep(key, modifiers)) {
        // The first arrow only brings the focus to the answers.
        if (pb_tresc->hasFocus() && keys_.Move(*step)) {
            ScrollToCurrent();
            Repaint();
        }
        answers_->SetCurrent(keys_.Index());
        pb_tresc->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (IsChooseKey(key) && KeysForItems(pb_tresc) && !state_.Marked() && !keys_.Empty()) {
        keys_.Choose(state_);
        answers_->Changed();
        Repaint();
        return true;
    }
    return false;
}

std::string TC_MC_Form::AnswerName(int index) const {
    const ChoicePick pick = keys_.At(index);
    std::string name = SpokenText(content_.questions.at(static_cast<std::size_t>(pick.question))
                                      .options.at(static_cast<std::size_t>(pick.option)));
    if (state_.Wrong(pick.question, pick.option)) {
        name += ", źle";
    } else if (state_.Selected(pick.question, pick.option)) {
        name += ", zaznaczona";
    }
    return name;
}

const AnswerArea* TC_MC_Form::AreaOf(ChoicePick pick) const {
    for (const AnswerArea& area : areas_) {
        if (area.question == pick.question && area.option == pick.option) {
            return &area;
        }
    }
    return nullptr;
}

void TC_MC_Form::ScrollToCurrent() {
    for (int step = 0; step <= ScrollLimit(); ++step) {
        pb_tresc->repaint();
        const AnswerArea* area = AreaOf(keys_.Current());
        if (area == nullptr) {
            return;
        }
        if (area->top < 0 && ScrollPosition() > 0) {
            btn_upClick();
        } else if (area->bottom > pb_tresc->height() && ScrollPosition() < ScrollLimit()) {
            btn_dnClick();
        } else {
            return;
        }
    }
}

void TC_MC_Form::Repaint() {
    pb_tresc->update();
}

} // namespace lumora
