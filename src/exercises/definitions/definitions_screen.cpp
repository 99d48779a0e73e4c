#include "definitions_screen.h"

#include "exercises/common/spoken_text.h"
#include "exercises/common/verdict.h"
#include "exercises/common/word_measures.h"
#include "platform/ui/hints.h"

#include <QEvent>

#include <algorithm>

namespace lumora {
namespace {

constexpr Rgb kSlotColour{255, 255, 204};
constexpr int kDashWidth = 10;
constexpr int kDashHeight = 2;
constexpr int kAnswerListHint = 51;

FrameOptions DefinitionsFrameOptions() {
    FrameOptions options;
    options.checkLeft = 582;
    options.againLeft = 498;
    options.exitLeft = 718;
    options.transport = false;
    options.film = false;
    options.background = {"blank_tlo.bmp", true};
    return options;
}

Label* MakeLabel(QWidget* parent) {
    auto* label = new Label(parent);
    label->SetFont(WordFont());
    label->SetAutoSize(true);
    label->hide();
    return label;
}

Label* ColouredBox(QWidget* parent, Rgb colour) {
    auto* box = new Label(parent);
    box->SetColor(colour);
    box->hide();
    return box;
}

// Hints show their lines split by line feeds; the answer list splits them by
// carriage returns.
std::string HintLines(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

std::size_t At(int n) {
    return static_cast<std::size_t>(n);
}

} // namespace

TC_DefForm::TC_DefForm(RunContext& context) : ExerciseFrame(context, DefinitionsFrameOptions()) {}

void TC_DefForm::CreateControls() {
    ExerciseFrame::CreateControls();
    btn_sprawdz = CheckButton;
    DxRamka = new PaintBox(this);
    DxRamka->SetBounds(15, 240, 560, kDefinitionsBoxHeight);
    DxRamka->OnPaint = [this](Canvas& canvas) { DxRamkaPaint(canvas); };
    Drag = new lumora::Dragging(*this);
    Drag->OnStartDrag = [this](QWidget& label) { return lbl_1StartDrag(label); };
    Drag->OnEndDrag = [this](QWidget& label, QWidget* target, QPoint at) {
        lbl_1EndDrag(label, target, at);
    };
    Drag->AddTarget(*img_tlo);
    Drag->AddTarget(*DxRamka);
    Drag->AddTarget(*pb_polecenie);
    for (int n = 0; n < kMaxDefinitions; ++n) {
        podkl[At(n)] = ColouredBox(this, kSlotColour);
        mys[At(n)] = ColouredBox(this, kBlack);
        Drag->AddTarget(*podkl[At(n)]);
    }
    // The words stand above the slots.
    for (int n = 0; n < kMaxDefinitions; ++n) {
        Label* label = MakeLabel(this);
        label->Tag = n + 1;
        Drag->AddSource(*label);
        Drag->AddTarget(*label);
        lbl[At(n)] = label;
    }
    keyDrag_ = std::make_unique<KeyDrag>(
        *Drag, KeyDragPlaces{[this](int j) { return lbl.at(At(j)); },
                             [this](int j) { return exercise_->board.SlotOf(j) + 1; },
                             [this](int j, int t) { return KeyDropPoint(j, t); }});
    DxRamka->OnKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        return WordKey(key, modifiers);
    };
    DxRamka->setAccessibleName(QString::fromUtf8("Definicje i słowa do nich"));
    words_ = std::make_unique<KeyboardGrid>(*DxRamka);
    SetKeyboardStart(DxRamka);
    words_->ItemRect = [this](int j) { return KeyMarkRect(j); };
    words_->ItemName = [this](int j) { return WordName(j); };
    img_1 = new ExclamationMark(this);
    SetCursor(*img_1, Cursor::HandPoint);
}

TC_DefForm::~TC_DefForm() {
    RestoreHintPause();
}

std::optional<std::string> TC_DefForm::ReadContent(const StRecord& record) {
    auto parsed = ParseDefinitionsContent(record.StBody);
    if (auto* fault = std::get_if<std::string>(&parsed)) {
        return *fault;
    }
    items_ = std::move(std::get<std::vector<DefinitionItem>>(parsed));
    return std::nullopt;
}

void TC_DefForm::ResetExercise() {
    Drag->Cancel();
    SteeringRow& row = LayoutRow();
    exercise_.emplace(SetUpDefinitions(items_, ShuffleLabels(static_cast<int>(items_.size())), row,
                                       &WordLabelSizeAs<WordSize>, &WordTextWidth));
    keyDrag_->Reset(exercise_->board.Count(), exercise_->board.Count());
    words_->SetCount(exercise_->board.Count());
    words_->SetCurrent(exercise_->board.Count() > 0 ? 0 : -1);
    btn_sprawdz->show();
    img_1->hide();
    for (int n = 0; n < kMaxDefinitions; ++n) {
        lbl[At(n)]->hide();
        podkl[At(n)]->hide();
        mys[At(n)]->hide();
    }
    PlaceRows();
    DxRamka->update();
}

void TC_DefForm::PlaceRows() {
    const DefinitionsFrame& f = exercise_->frame;
    const DefinitionsBoard& board = exercise_->board;
    DxRamka->SetBounds(f.boxLeft, f.boxTop, f.boxWidth, kDefinitionsBoxHeight);
    for (int n = 0; n < board.Count(); ++n) {
        const DefinitionRow& r = exercise_->paint.rows.at(At(n));
        podkl[At(n)]->SetBounds(f.slotLeft, r.slotTop, f.slotWidth, r.slotHeight);
        podkl[At(n)]->show();
        mys[At(n)]->SetBounds(f.dashLeft, r.dashTop, kDashWidth, kDashHeight);
        mys[At(n)]->show();
        Label* label = lbl[At(n)];
        label->SetCaption(items_.at(At(board.ItemOf(n))).word);
        SetCursor(*label, Cursor::HandPoint);
        label->show();
    }
    ShowWordPlaces();
}

void TC_DefForm::ShowWordPlaces() {
    const DefinitionsBoard& board = exercise_->board;
    for (int n = 0; n < board.Count(); ++n) {
        const WordPlace p = board.Position(n);
        lbl[At(n)]->move(p.left, p.top);
    }
}

LessonScore TC_DefForm::Score() const {
    if (!exercise_) {
        return {};
    }
    const DefinitionsBoard& b = exercise_->board;
    return {b.Points(), b.RightCount(), b.WrongCount(), b.DragCount(), b.Count()};
}

bool TC_DefForm::lbl_1StartDrag(QWidget& label) {
    const auto* word = dynamic_cast<Label*>(&label);
    return exercise_ && word != nullptr && exercise_->board.StartDrag(word->Tag - 1);
}

// The ring goes round the current word, or while one is carried round the
// slot it would drop into (the word itself, back in the pool).
QRect TC_DefForm::KeyMarkRect(int j) const {
    const KeyCarry& carry = keyDrag_->Carry();
    if (!exercise_ || j < 0 || j >= exercise_->board.Count()) {
        return {};
    }
    const QWidget* marked = carry.Carrying() && carry.Target() > 0
                                ? podkl.at(At(carry.Target() - 1))
                                : static_cast<const QWidget*>(lbl.at(At(j)));
    return marked->geometry().translated(-DxRamka->pos());
}

std::string TC_DefForm::WordName(int j) const {
    if (!exercise_ || j < 0 || j >= exercise_->board.Count()) {
        return "";
    }
    const KeyCarry& carry = keyDrag_->Carry();
    const int slot = carry.Carrying() ? carry.Target() - 1 : exercise_->board.SlotOf(j);
    const std::string where = slot < 0 ? "w puli"
                                       : "przy definicji " + std::to_string(slot + 1) + ": " +
                                             SpokenText(items_.at(At(slot)).definition);
    return items_.at(At(exercise_->board.ItemOf(j))).word +
           (carry.Carrying() ? ", niesione, " : ", ") + where;
}

QPoint TC_DefForm::KeyDropPoint(int j, int target) const {
    if (target == 0) {
        const WordPlace home = exercise_->board.Home(j);
        const QSize size = lbl.at(At(j))->size();
        return {home.left + size.width() / 2, home.top + size.height() / 2};
    }
    return podkl.at(At(target - 1))->geometry().center();
}

void TC_DefForm::FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (WordKey(key, modifiers)) {
        key = 0;
    }
}

bool TC_DefForm::WordKey(int key, Qt::KeyboardModifiers modifiers) {
    return exercise_ && keyDrag_->ScreenKey(key, modifiers, *words_);
}

void TC_DefForm::lbl_1EndDrag(QWidget& label, QWidget* target, QPoint at) {
    const auto* word = dynamic_cast<Label*>(&label);
    if (!exercise_ || word == nullptr) {
        return;
    }
    // A drop no target accepted (off the screen) lands in no slot: home.
    const WordPlace point =
        target != nullptr ? WordPlace{at.x(), at.y()} : WordPlace{-1000000, -1000000};
    const WordPlace p = exercise_->board.Drop(word->Tag - 1, point);
    label.move(p.left, p.top);
}

void TC_DefForm::DxRamkaPaint(Canvas& canvas) {
    if (!exercise_) {
        return;
    }
    canvas.Brush.style = BrushStyle::Clear;
    for (const PaintedWord& w : exercise_->paint.words) {
        canvas.Font = WordFont(w.style);
        canvas.TextOut(w.x, w.y, w.text);
    }
}

void TC_DefForm::btn_sprawdzClick() {
    if (!exercise_ || exercise_->board.Evaluated()) {
        return;
    }
    DefinitionsBoard& board = exercise_->board;
    Sounds().StopMedia();
    const bool allRight = board.Check();
    if (!allRight) {
        const WordPlace p = board.WarningPicture();
        img_1->ShowAt(p.left, p.top,
                      HintLines(board.AnswerList(CurrentCourse().GetHint(kAnswerListHint))));
    }
    lbl_jeszcze_raz->show();
    Sounds().PauseMedia();
    PlayVerdict(CurrentCourse(), Sounds(), Settings().SoundSet, allRight);
    ShowWordPlaces();
    for (int n = 0; n < board.Count(); ++n) {
        lbl[At(n)]->raise();
    }
    if (!allRight) {
        img_1->raise();
    }
    btn_sprawdz->hide();
    for (Label* label : lbl) {
        SetCursor(*label, Cursor::Arrow);
    }
    DxRamka->update();
}

void TC_DefForm::FormShow() {
    Drag->Cancel();
    FormActivate(); // showing it activates it
    ExerciseFrame::FormShow();
}

void TC_DefForm::changeEvent(QEvent* event) {
    ExerciseFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible()) {
        if (isActiveWindow()) {
            FormActivate();
        } else {
            FormDeactivate();
        }
    }
}

void TC_DefForm::FormActivate() {
    if (!savedHintPause_) {
        savedHintPause_ = HintHidePause();
        SetHintHidePause(kHintHidePause);
    }
}

void TC_DefForm::FormDeactivate() {
    RestoreHintPause();
}

void TC_DefForm::FormClose() {
    RestoreHintPause();
    img_1->hide();
    ExerciseFrame::FormClose();
}

void TC_DefForm::RestoreHintPause() {
    if (savedHintPause_) {
        SetHintHidePause(*savedHintPause_);
        savedHintPause_.reset();
    }
}

} // namespace lumora
