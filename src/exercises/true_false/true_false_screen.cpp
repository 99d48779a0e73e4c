#include "true_false_screen.h"

#include "exercises/common/exclamation_mark.h"
#include "exercises/common/lesson_keys.h"
#include "exercises/common/spoken_text.h"
#include "exercises/common/verdict.h"
#include "exercises/exercise_art.h"
#include "exercises/true_false/true_false_layout.h"

namespace lumora {
namespace {

constexpr int kExclamationWidth = 8;
constexpr int kExclamationHeight = 16;

FrameOptions TrueFalseFrame() {
    FrameOptions options;
    options.checkLeft = 586;
    options.againLeft = 458;
    options.contentDefaults = Rect{20, 156, 377, 729};
    return options;
}

Picture* HiddenPicture(QWidget* parent, const QImage& image) {
    auto* picture = new Picture(parent);
    picture->SetImage(image);
    picture->resize(image.size());
    picture->hide();
    return picture;
}

std::size_t At(int n) {
    return static_cast<std::size_t>(n);
}

} // namespace

TC_TF_Form::TC_TF_Form(RunContext& context) : ExerciseFrame(context, TrueFalseFrame()) {}

void TC_TF_Form::CreateControls() {
    ExerciseFrame::CreateControls();
    pb_tresc = new PaintBox(this);
    pb_tresc->SetBounds(16, 160, 641, 381);
    pb_tresc->OnPaint = [this](Canvas& canvas) { pb_trescPaint(canvas); };
    SetContentArea(pb_tresc);
    btn_ok = CheckButton;
    lbl_exit = btn_exit;
    img_normal = HiddenPicture(this, UncheckedMarkArt());
    img_checked = HiddenPicture(this, CheckedMarkArt());
    img_bad = HiddenPicture(this, CrossedMarkArt());
    tmp_wykrzykniczek =
        HiddenPicture(this, ExclamationBarArt(kExclamationWidth, kExclamationHeight));
    for (int n = 0; n < kMaxStatements; ++n) {
        L[At(n)] = HiddenPicture(this, img_normal->Image());
        R[At(n)] = HiddenPicture(this, img_normal->Image());
        wyk[At(n)] = HiddenPicture(this, QImage());
        wyk[At(n)]->resize(kExclamationWidth, kExclamationHeight);
        L[At(n)]->OnClick = [this, box = L[At(n)]] { L_1Click(box->Tag); };
        R[At(n)]->OnClick = [this, box = R[At(n)]] { R_1Click(box->Tag); };
    }
}

std::optional<std::string> TC_TF_Form::ReadContent(const StRecord& record) {
    auto parsed = ParseTrueFalseContent(record.StBody);
    if (auto* fault = std::get_if<std::string>(&parsed)) {
        return *fault;
    }
    content_ = std::move(std::get<TrueFalseContent>(parsed));
    return std::nullopt;
}

void TC_TF_Form::ResetExercise() {
    ShuffleStatements(content_);
    state_ = TrueFalseState(content_);
    keys_ = GridCursor(state_.Statements(), 2);
    firstPaint_ = true;
    for (int n = 0; n < kMaxStatements; ++n) {
        for (TMImage* box : {L[At(n)], R[At(n)]}) {
            box->SetImage(img_normal->Image());
            SetCursor(*box, Cursor::HandPoint);
            box->Tag = n + 1;
            box->hide();
        }
        if (n < state_.Statements()) {
            const std::string statement = SpokenText(content_.statements.at(At(n)).text);
            L[At(n)]->setAccessibleName(QString::fromStdString("Prawda: " + statement));
            R[At(n)]->setAccessibleName(QString::fromStdString("Fałsz: " + statement));
        }
        wyk[At(n)]->hide();
    }
    pb_tresc->update();
}

LessonScore TC_TF_Form::Score() const {
    return {state_.Points(), state_.Right(), state_.WrongCount(), state_.Actions(),
            state_.Statements()};
}

const QImage& TC_TF_Form::BoxImage(AnswerMark mark) const {
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

void TC_TF_Form::ShowBoxStates() {
    for (int n = 0; n < state_.Statements(); ++n) {
        L[At(n)]->SetImage(BoxImage(state_.TrueBox(n)));
        R[At(n)]->SetImage(BoxImage(state_.FalseBox(n)));
    }
}

void TC_TF_Form::pb_trescPaint(Canvas& canvas) {
    canvas.Font.face = "Arial";
    canvas.Font.size = 10;
    canvas.Font.pixels = 0;
    canvas.Font.bold = true;
    canvas.Font.italic = false;
    canvas.Brush.style = BrushStyle::Clear;
    canvas.Pen = PenSpec{kBlack, 2};
    const MeasureText measure = [&canvas](std::string_view text, TextStyle style) {
        canvas.Font.bold = style.bold;
        canvas.Font.italic = style.italic;
        return canvas.TextWidth(text);
    };
    const TrueFalseLayout layout =
        LayOutTrueFalse(measure, content_, pb_tresc->width(), img_normal->height());
    canvas.Font.bold = true;
    canvas.MoveTo(0, layout.headingRuleY);
    canvas.LineTo(layout.block, layout.headingRuleY);
    canvas.TextOut(layout.trueHeading.x, layout.trueHeading.y, layout.trueHeading.text);
    canvas.TextOut(layout.falseHeading.x, layout.falseHeading.y, layout.falseHeading.text);
    canvas.Font.bold = false;
    for (const PlacedText& word : layout.words) {
        canvas.TextOut(word.x, word.y, word.text);
    }
    if (firstPaint_) {
        PlaceBoxes(layout.trueCentre, layout.falseCentre, layout.boxTops);
        firstPaint_ = false;
    }
    canvas.MoveTo(layout.dividerX, 0);
    canvas.LineTo(layout.dividerX, layout.dividerBottom);
}

void TC_TF_Form::PlaceBoxes(int trueCentre, int falseCentre, const std::vector<int>& tops) {
    for (std::size_t n = 0; n < tops.size(); ++n) {
        const int top = pb_tresc->y() + tops[n];
        L[n]->move(pb_tresc->x() + trueCentre - L[n]->width() / 2, top);
        R[n]->move(pb_tresc->x() + falseCentre - R[n]->width() / 2, top);
        L[n]->show();
        R[n]->show();
    }
}

void TC_TF_Form::L_1Click(int tag) {
    state_.Tick(tag - 1, true);
    ShowBoxStates();
}

void TC_TF_Form::R_1Click(int tag) {
    state_.Tick(tag - 1, false);
    ShowBoxStates();
}

// Up and Down go from statement to statement, Left and Right between its
// "true" and "false" box; Space or Enter ticks the box as a click does.
void TC_TF_Form::FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (keys_.Empty()) {
        return;
    }
    // A box that Tab reached is where the arrows start from.
    bool onBox = false;
    for (int n = 0; n < state_.Statements(); ++n) {
        if (L[At(n)]->hasFocus() || R[At(n)]->hasFocus()) {
            keys_.Set(n, R[At(n)]->hasFocus() ? 1 : 0);
            onBox = true;
        }
    }
    TMImage* box = (keys_.Column() == 0 ? L : R)[At(keys_.Row())];
    if (const std::optional<KeyStep> step = ArrowStep(key, modifiers)) {
        key = 0;
        // The first arrow only brings the focus to the boxes.
        if (onBox) {
            keys_.Move(*step);
        }
        (keys_.Column() == 0 ? L : R)[At(keys_.Row())]->setFocus(Qt::OtherFocusReason);
    } else if (IsChooseKey(key) && KeysForItems(box) && !state_.Marked()) {
        key = 0;
        box->Click();
    }
}

void TC_TF_Form::btn_okClick() {
    state_.Mark();
    btn_ok->hide();
    Sounds().StopMedia();
    for (int n = 0; n < state_.Statements(); ++n) {
        SetCursor(*L[At(n)], Cursor::Arrow);
        SetCursor(*R[At(n)], Cursor::Arrow);
        if (state_.Exclaimed(n)) {
            wyk[At(n)]->SetImage(tmp_wykrzykniczek->Image());
            wyk[At(n)]->move(pb_tresc->x() - 2, L[At(n)]->y() + 3);
            wyk[At(n)]->show();
        }
    }
    ShowBoxStates();
    pb_tresc->update();
    lbl_jeszcze_raz->show();
    Sounds().PauseMedia();
    PlayVerdict(CurrentCourse(), Sounds(), Settings().SoundSet,
                state_.Right() == state_.Statements());
}

} // namespace lumora
