#include "typing_screen.h"

#include "exercises/common/exclamation_mark.h"
#include "exercises/common/lesson_keys.h"
#include "exercises/common/verdict.h"
#include "exercises/exercise_art.h"
#include "exercises/typing/typing_file.h"
#include "platform/ui/fonts.h"

#include <QFontMetrics>
#include <algorithm>

namespace lumora {
namespace {

// Shift+Tab arrives as a key of its own; it moves to the next gap as Tab
// does, the rule asking only for the Tab key.
bool IsTabKey(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

constexpr int kEditHeight = 18;
constexpr int kEditMaxLength = 30;
// A gap this close to the box's bottom edge is out of view for typing.
constexpr int kBottomMargin = 10;
const Rgb kGapColour{0, 0, 255};

FrameOptions TypingFrame() {
    FrameOptions options;
    options.scrollButtons = true;
    options.contentDefaults = Rect{20, 156, 377, 729};
    return options;
}

FontSpec TextFont() {
    FontSpec font;
    font.face = "Arial";
    font.size = 10;
    return font;
}

// Measures as the paint box's canvas does, for laying the text out between
// paints.
int FontWidth(std::string_view text, TextStyle style) {
    FontSpec font = TextFont();
    font.bold = style.bold;
    font.italic = style.italic;
    return QFontMetrics(MakeFont(font))
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

FontSpec EditFont() {
    FontSpec font;
    font.face = "Arial";
    font.pixels = 13;
    return font;
}

} // namespace

TCW_Wpisywanie1Form::TCW_Wpisywanie1Form(RunContext& context)
    : ExerciseFrame(context, TypingFrame()) {}

void TCW_Wpisywanie1Form::CreateControls() {
    ExerciseFrame::CreateControls();
    DXRamka = new PaintBox(this);
    DXRamka->SetBounds(20, 156, 729, 377);
    DXRamka->OnPaint = [this](Canvas& canvas) { DXRamkaPaint(canvas); };
    DXRamka->OnMouseDown = [this](Qt::MouseButton, int x, int y) { DXRamkaMouseDown(x, y); };
    DXRamka->OnMouseMove = [this](int x, int y) { DXRamkaMouseMove(x, y); };
    SetContentArea(DXRamka);
    // The text is a stop of Tab: Enter or Space there opens the first gap shown.
    DXRamka->SetTabStop(true);
    SetKeyboardStart(DXRamka);
    SetAccessibleName(*DXRamka, "Tekst z lukami");
    DXRamka->OnKey = [this](int key, Qt::KeyboardModifiers) {
        return IsChooseKey(key) && OpenFirstGapInView();
    };
    Edit1 = new EditBox(this);
    Edit1->SetBorder(false);
    Edit1->SetFont(EditFont());
    Edit1->SetMaxLength(kEditMaxLength);
    Edit1->hide();
    tmp_wykrzykniczek = new Picture(this);
    tmp_wykrzykniczek->SetImage(ExclamationArt());
    tmp_wykrzykniczek->resize(kExclamationHeight, kExclamationHeight);
    tmp_wykrzykniczek->hide();
    btn_sprawdz = CheckButton;
}

std::optional<std::string> TCW_Wpisywanie1Form::ReadContent(const StRecord& record) {
    auto read = ReadTypingFile(CurrentCourse(), record.StBody);
    if (const auto* fault = std::get_if<LoadFault>(&read)) {
        return DescribeTypingFault(*fault);
    }
    read_ = std::move(std::get<TypingText>(read));
    return std::nullopt;
}

void TCW_Wpisywanie1Form::ResetExercise() {
    state_ = TypingState(read_);
    gaps_.clear();
    btn_up->hide();
    Edit1->SetText("");
    Edit1->hide();
    SetHint(*DXRamka, "");
    Repaint();
}

LessonScore TCW_Wpisywanie1Form::Score() const {
    return {state_.Points(), state_.RightCount(), state_.WrongCount(), state_.Actions(),
            state_.Gaps()};
}

void TCW_Wpisywanie1Form::DXRamkaPaint(Canvas& canvas) {
    canvas.Font = TextFont();
    canvas.Brush.style = BrushStyle::Clear;
    const MeasureText measure = [&canvas](std::string_view text, TextStyle style) {
        canvas.Font.bold = style.bold;
        canvas.Font.italic = style.italic;
        return canvas.TextWidth(text);
    };
    const TypingLayout layout = LayOutTyping(measure, state_, DXRamka->width(), ScrollPosition());
    for (const GapArea& mark : layout.exclamations) {
        canvas.DrawPicture(mark.left, mark.top, tmp_wykrzykniczek->Image());
    }
    for (const TypingPiece& piece : layout.pieces) {
        canvas.Font.bold = piece.style.bold;
        canvas.Font.italic = piece.style.italic;
        canvas.Font.colour = piece.gap ? kGapColour : kBlack;
        canvas.TextOut(piece.x, piece.y, piece.text);
    }
    gaps_ = layout.gaps;
    if (!ScrollMeasured()) {
        SetScrollLimit(TypingScrollLimit(layout.end, DXRamka->height()));
    }
}

const GapArea* TCW_Wpisywanie1Form::AreaOf(int w) const {
    const auto it =
        std::find_if(gaps_.begin(), gaps_.end(), [w](const GapArea& g) { return g.word == w; });
    return it != gaps_.end() ? &*it : nullptr;
}

void TCW_Wpisywanie1Form::OpenGap(int w) {
    state_.CountOpening();
    const GapArea* area = AreaOf(w);
    if (area == nullptr || area->top < 0 || area->top > DXRamka->height() - kBottomMargin) {
        state_.CloseGap(Edit1->Text());
        Edit1->hide();
        Repaint();
        return;
    }
    GapArea place = *area;
    Edit1->SetText(state_.OpenAt(w, Edit1->Text()));
    // The gap where the text now puts it, standing empty; the paint that
    // follows lays it out the same way.
    gaps_ = LayOutTyping(FontWidth, state_, DXRamka->width(), ScrollPosition()).gaps;
    if (const GapArea* now = AreaOf(w)) {
        place = *now;
    }
    Repaint();
    Edit1->SetBounds(DXRamka->x() + place.left, DXRamka->y() + place.top, read_.GapWidth,
                     kEditHeight);
    Edit1->show();
    Edit1->raise();
    Edit1->setFocus();
    Edit1->selectAll();
}

void TCW_Wpisywanie1Form::DXRamkaMouseDown(int x, int y) {
    if (state_.Marked()) {
        return;
    }
    if (const GapArea* hit = HitGap(gaps_, x, y)) {
        OpenGap(hit->word);
        return;
    }
    Edit1->hide();
    state_.KeepTyped(Edit1->Text());
    Repaint();
}

void TCW_Wpisywanie1Form::DXRamkaMouseMove(int x, int y) {
    if (!state_.Marked()) {
        SetCursor(*DXRamka, HitGap(gaps_, x, y) != nullptr ? Cursor::HandPoint : Cursor::Arrow);
        return;
    }
    const GapArea* hit = HitExclamation(state_, gaps_, x, y);
    SetHint(*DXRamka, hit != nullptr ? state_.WrongText(hit->word) : std::string());
    SetCursor(*DXRamka, hit != nullptr ? Cursor::HandPoint : Cursor::Arrow);
}

// Tab or Enter in a gap moves to the next one (a gap out of view closes the
// editor); Enter with no gap open and no button to press opens the first gap
// in view.
bool TCW_Wpisywanie1Form::FormShortCut(int key, Qt::KeyboardModifiers) {
    if ((!IsTabKey(key) && !IsEnterKey(key)) || state_.Marked()) {
        return false;
    }
    if (state_.OpenGap() >= 0) {
        OpenGap(state_.NextGap());
        return true;
    }
    return IsEnterKey(key) && KeysForItems(DXRamka) && OpenFirstGapInView();
}

bool TCW_Wpisywanie1Form::OpenFirstGapInView() {
    if (state_.Marked()) {
        return false;
    }
    const auto inView = std::find_if(gaps_.begin(), gaps_.end(), [this](const GapArea& g) {
        return g.top >= 0 && g.top <= DXRamka->height() - kBottomMargin;
    });
    if (inView == gaps_.end()) {
        return false;
    }
    OpenGap(inView->word);
    return true;
}

// Escape in an open gap closes it as a click beside the gaps does, so Tab
// reaches the buttons again; otherwise it leaves.
void TCW_Wpisywanie1Form::FormKeyDown(int& key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape && Edit1->isVisible()) {
        key = 0;
        state_.CloseGap(Edit1->Text());
        Edit1->hide();
        DXRamka->setFocus(Qt::OtherFocusReason);
        Repaint();
    }
}

void TCW_Wpisywanie1Form::CloseEditor() {
    if (Edit1->isVisible()) {
        state_.CloseGap(Edit1->Text());
        Edit1->hide();
    }
}

void TCW_Wpisywanie1Form::ContentScrolled() {
    CloseEditor();
    Repaint();
}

void TCW_Wpisywanie1Form::btn_sprawdzClick() {
    Sounds().StopMedia();
    btn_sprawdz->hide();
    state_.Mark(Edit1->Text());
    Edit1->hide();
    lbl_jeszcze_raz->show();
    const bool allRight = state_.RightCount() == state_.Gaps();
    Sounds().PauseMedia();
    PlayVerdict(CurrentCourse(), Sounds(), Settings().SoundSet, allRight);
    if (!allRight) {
        state_.FillAnswers();
    }
    // The filled text is laid out again from the top.
    ResetScroll();
    Repaint();
}

void TCW_Wpisywanie1Form::Repaint() {
    DXRamka->update();
}

} // namespace lumora
