#include "drag_drop_screen.h"

#include "exercises/common/exclamation_mark.h"
#include "exercises/common/verdict.h"
#include "exercises/common/word_measures.h"

namespace lumora {
namespace {

constexpr int kWordFollowShift = 9; // the dragged word stands right of the pointer

FrameOptions DragDropFrame() {
    FrameOptions options;
    options.checkLeft = 562;
    options.againLeft = 466;
    options.exitLeft = 714;
    return options;
}

Label* WordLabel(QWidget* parent) {
    auto* label = new Label(parent);
    label->SetFont(WordFont());
    label->SetAutoSize(true);
    label->hide();
    return label;
}

Rect ToRect(const Edges& e) {
    return {e.left, e.top, e.right - e.left, e.bottom - e.top};
}

std::size_t At(int w) {
    return static_cast<std::size_t>(w);
}

} // namespace

TC_DDForm::TC_DDForm(RunContext& context) : ExerciseFrame(context, DragDropFrame()) {}

void TC_DDForm::CreateControls() {
    ExerciseFrame::CreateControls();
    btn_ok = CheckButton;
    PaintBox2 = new PaintBox(this);
    PaintBox2->SetBounds(0, 0, width(), height());
    PaintBox2->OnPaint = [this](Canvas& canvas) { PaintBox2Paint(canvas); };
    PaintBox2->OnMouseMove = [this](int x, int y) { PaintBox2MouseMove(x, y); };
    // Above the background, below every control.
    PaintBox2->lower();
    img_tlo->lower();
    tmp_wykrzykniczek = ExclamationArt();
    Drag = new lumora::Dragging(*this);
    Drag->FollowOffset = QPoint(kWordFollowShift, 0);
    Drag->OnStartDrag = [this](QWidget& label) { return lbl_1StartDrag(label); };
    Drag->OnEndDrag = [this](QWidget& label, QWidget* target, QPoint at) {
        lbl_1EndDrag(label, target, at);
    };
    Drag->AddTarget(*img_tlo);
    Drag->AddTarget(*PaintBox2);
    for (int w = 0; w < kMaxTableWords; ++w) {
        Label* label = WordLabel(this);
        label->Tag = w + 1;
        Drag->AddSource(*label);
        Drag->AddTarget(*label);
        lbl[At(w)] = label;
    }
    keyDrag_ = std::make_unique<KeyDrag>(
        *Drag, KeyDragPlaces{[this](int w) { return lbl.at(At(w)); },
                             [this](int w) { return board_->ColumnOf(w); },
                             [this](int w, int t) { return KeyDropPoint(w, t); }});
    PaintBox2->OnKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        return WordKey(key, modifiers);
    };
    PaintBox2->setAccessibleName(QString::fromUtf8("Słowa do ułożenia w tabeli"));
    words_ = std::make_unique<KeyboardGrid>(*PaintBox2);
    SetKeyboardStart(PaintBox2);
    words_->ItemRect = [this](int w) { return KeyMarkRect(w); };
    words_->ItemName = [this](int w) { return WordName(w); };
}

std::optional<std::string> TC_DDForm::ReadContent(const StRecord& record) {
    auto parsed = ParseDragDropContent(record.StBody);
    if (auto* fault = std::get_if<std::string>(&parsed)) {
        return *fault;
    }
    content_ = std::move(std::get<DragDropContent>(parsed));
    return std::nullopt;
}

void TC_DDForm::ResetExercise() {
    Drag->Cancel();
    DragDropContent shuffled = content_;
    ShuffleWords(shuffled.words);
    SteeringRow& row = LayoutRow();
    board_.emplace(SetUpBoard(shuffled, row, &WordLabelSizeAs<LabelSize>));
    keyDrag_->Reset(board_->Count(), board_->Table().columns);
    words_->SetCount(board_->Count());
    words_->SetCurrent(board_->Count() > 0 ? 0 : -1);
    btn_ok->show();
    for (int w = 0; w < kMaxTableWords; ++w) {
        Label* label = lbl[At(w)];
        label->hide();
        if (w < board_->Count()) {
            label->SetCaption(board_->Word(w).text);
            SetCursor(*label, Cursor::HandPoint);
            label->show();
        }
    }
    ShowWordPlaces();
    SetHint(*PaintBox2, "");
    SetCursor(*PaintBox2, Cursor::Arrow);
    PaintBox2->update();
}

void TC_DDForm::ShowWordPlaces() {
    for (int w = 0; w < board_->Count(); ++w) {
        const Place p = board_->Position(w);
        lbl[At(w)]->move(p.left, p.top);
    }
}

LessonScore TC_DDForm::Score() const {
    if (!board_) {
        return {};
    }
    return {board_->Points(), board_->RightCount(), board_->WrongCount(), board_->DragCount(),
            board_->Count()};
}

bool TC_DDForm::lbl_1StartDrag(QWidget& label) {
    const auto* word = dynamic_cast<Label*>(&label);
    return board_ && word != nullptr && board_->StartDrag(word->Tag - 1);
}

void TC_DDForm::lbl_1EndDrag(QWidget& label, QWidget* target, QPoint at) {
    const auto* word = dynamic_cast<Label*>(&label);
    if (!board_ || word == nullptr) {
        return;
    }
    // A drop no target accepted (off the screen) lands in no column: home.
    const Place point = target != nullptr ? Place{at.x(), at.y()} : Place{-1000000, -1000000};
    const Place p = board_->Drop(word->Tag - 1, point);
    label.move(p.left, p.top);
}

// The ring goes round the current word, or while one is carried round the
// column it would drop into (the word itself, back in the pool).
QRect TC_DDForm::KeyMarkRect(int w) const {
    const KeyCarry& carry = keyDrag_->Carry();
    if (!board_ || w < 0 || w >= board_->Count()) {
        return {};
    }
    if (carry.Carrying() && carry.Target() > 0) {
        const Edges e = board_->Table().DropArea(carry.Target());
        return QRect(QPoint(e.left, e.top), QPoint(e.right, e.bottom));
    }
    return lbl.at(At(w))->geometry().translated(-PaintBox2->pos());
}

std::string TC_DDForm::WordName(int w) const {
    if (!board_ || w < 0 || w >= board_->Count()) {
        return "";
    }
    const KeyCarry& carry = keyDrag_->Carry();
    const int column = carry.Carrying() ? carry.Target() : board_->ColumnOf(w);
    const std::string where =
        column == 0 ? "w puli" : "w kolumnie " + content_.headers.at(At(column - 1));
    return board_->Word(w).text + (carry.Carrying() ? ", niesione, " : ", ") + where;
}

QPoint TC_DDForm::KeyDropPoint(int w, int target) const {
    if (target == 0) {
        const Place home = board_->Home(w);
        const LabelSize size = board_->Label(w);
        return {home.left + size.width / 2, home.top + size.height / 2};
    }
    const Edges area = board_->Table().DropArea(target);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

void TC_DDForm::FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (WordKey(key, modifiers)) {
        key = 0;
    }
}

bool TC_DDForm::WordKey(int key, Qt::KeyboardModifiers modifiers) {
    return board_ && keyDrag_->ScreenKey(key, modifiers, *words_);
}

void TC_DDForm::PaintBox2Paint(Canvas& canvas) {
    if (!board_) {
        return;
    }
    const TableGeometry& t = board_->Table();
    canvas.Brush.style = BrushStyle::Clear;
    canvas.Pen = PenSpec{kBlack, 3};
    canvas.Rectangle(ToRect(t.Frame()));
    for (int c = 1; c <= t.columns; ++c) {
        canvas.Rectangle(ToRect(t.Cell(c, 0)));
    }
    canvas.Font.bold = true;
    for (int c = 1; c <= t.columns; ++c) {
        const std::string& header = content_.headers.at(At(c - 1));
        const Place p = t.HeaderText(c, canvas.TextWidth(header));
        canvas.TextOut(p.left, p.top, header);
    }
    canvas.Font.bold = false;
    canvas.Pen = PenSpec{kBlack, 1};
    for (int k = 1; k <= t.rows; ++k) {
        for (int c = 1; c <= t.columns; ++c) {
            canvas.Rectangle(ToRect(t.Cell(c, k)));
        }
    }
    if (!board_->Evaluated()) {
        return;
    }
    for (int c = 1; c <= t.columns; ++c) {
        for (int k = 1; k <= t.rows; ++k) {
            if (!board_->WarningText(c, k).empty()) {
                const Place p = t.WarningPicture(c, k);
                canvas.DrawPicture(p.left, p.top, tmp_wykrzykniczek);
            }
        }
    }
}

void TC_DDForm::PaintBox2MouseMove(int x, int y) {
    if (!board_ || !board_->Evaluated()) {
        return;
    }
    const std::string warning = board_->WarningAt({PaintBox2->x() + x, PaintBox2->y() + y});
    SetHint(*PaintBox2, warning);
    SetCursor(*PaintBox2, warning.empty() ? Cursor::Arrow : Cursor::HandPoint);
}

void TC_DDForm::btn_OKClick() {
    if (!board_ || board_->Evaluated()) {
        return;
    }
    Sounds().StopMedia();
    const bool allRight = board_->Check();
    lbl_jeszcze_raz->show();
    Sounds().PauseMedia();
    PlayVerdict(CurrentCourse(), Sounds(), Settings().SoundSet, allRight);
    ShowWordPlaces();
    for (Label* label : lbl) {
        SetCursor(*label, Cursor::Arrow);
    }
    PaintBox2->update();
    btn_ok->hide();
}

} // namespace lumora
