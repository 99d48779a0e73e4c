#include "word_search_screen.h"

#include "course/course_file_names.h"
#include "exercises/common/lesson_keys.h"
#include "platform/message_box.h"
#include "sound/sound_service.h"

#include <algorithm>

namespace lumora {
namespace {

const Rgb kFrameColour{0, 128, 128};
const Rgb kMarkColour{255, 0, 0};

FontSpec CounterFont() {
    FontSpec font;
    font.face = "MS Sans Serif";
    font.size = 10;
    return font;
}

FontSpec GridFont() {
    FontSpec font;
    font.face = "Arial";
    font.size = 18;
    return font;
}

} // namespace

TPseudo_Form::TPseudo_Form(RunContext& context) : LessonScreen(context, {}) {}

void TPseudo_Form::CreateControls() {
    LessonScreen::CreateControls();
    DxRamka = new PaintBox(this);
    DxRamka->SetBounds(kWordSearchGridLeft, kWordSearchGridTop, 407, 369);
    DxRamka->Font = GridFont();
    DxRamka->OnPaint = [this](Canvas& canvas) { DxRamkaPaint(canvas); };
    DxRamka->OnMouseMove = [this](int x, int y) { DxRamkaMouseMove(x, y); };
    DxRamka->OnMouseDown = [this](Qt::MouseButton, int x, int y) { DxRamkaMouseDown(x, y); };
    DxRamka->OnKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        return CellKey(key, modifiers);
    };
    DxRamka->setAccessibleName(QString::fromUtf8("Litery do wyszukania słów"));
    cells_ = std::make_unique<KeyboardGrid>(*DxRamka);
    SetKeyboardStart(DxRamka);
    cells_->ItemRole = AccessRole::Cell;
    cells_->ItemRect = [this](int i) {
        const int columns = std::max(cells_->Columns(), 1);
        return QRect(kWordSearchCellWidth * (i % columns), kWordSearchCellHeight * (i / columns),
                     kWordSearchCellWidth, kWordSearchCellHeight);
    };
    cells_->ItemName = [this](int i) { return CellName(i); };
    for (Shape*& frame : shp) {
        frame = new Shape(this);
        frame->SetPen({kFrameColour, 1});
        frame->SetBrush({BrushStyle::Clear, kWhite});
        // Clicks inside a frame still reach the letters under it.
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->hide();
    }
    Label1 = new Label(this);
    Label1->SetFont(CounterFont());
    Label1->SetAutoSize(true);
    Label1->move(518, 84);
    Label2 = new Label(this);
    Label2->SetFont(CounterFont());
    Label2->SetAutoSize(true);
    Label2->move(518, 108);
    // The word search has no points: its exit only closes it.
    btn_exit->OnClick = [this] { Close(); };
}

std::optional<LoadFault> TPseudo_Form::ReadLesson() {
    auto read = ReadWordSearch(CurrentCourse(), Lesson().CurrentContent);
    if (const auto* fault = std::get_if<LoadFault>(&read)) {
        return *fault;
    }
    read_ = std::move(std::get<WordSearchPuzzle>(read));
    return std::nullopt;
}

void TPseudo_Form::PrepareLesson() {
    game_.emplace(std::move(*read_));
    read_.reset();
    keys_ = GridCursor(game_->Rows(), game_->Columns());
    cells_->SetColumns(game_->Columns());
    cells_->SetCount(game_->Rows() * game_->Columns());
    cells_->SetCurrent(0);
    ++loads_;
    for (Shape* frame : shp) {
        frame->hide();
    }
    Label1->SetCaption(game_->WordsLeftText());
    Label2->SetCaption(game_->AttemptsText());
    DxRamka->update();
}

// The screen's own background, whatever the lesson's row names.
void TPseudo_Form::FormShow() {
    img_tlo->LoadFromFile(CurrentCourse().DataPath(kBlankBackground));
}

void TPseudo_Form::DxRamkaPaint(Canvas& canvas) {
    if (!game_) {
        return;
    }
    canvas.Brush.style = BrushStyle::Clear;
    for (int r = 1; r <= game_->Rows(); ++r) {
        for (int c = 1; c <= game_->Columns(); ++c) {
            const std::string& letter = game_->Letter(r, c);
            canvas.Font.colour = game_->Red(r, c) ? kMarkColour : kBlack;
            const int x = kWordSearchCellWidth * (c - 1) +
                          (kWordSearchCellWidth - canvas.TextWidth(letter)) / 2;
            canvas.TextOut(x, kWordSearchCellHeight * (r - 1), letter);
        }
    }
}

void TPseudo_Form::DxRamkaMouseMove(int x, int y) {
    const bool over = game_ && game_->InGrid(x, y);
    SetCursor(*DxRamka, over ? Cursor::HandPoint : Cursor::Arrow);
}

void TPseudo_Form::DxRamkaMouseDown(int x, int y) {
    if (!game_) {
        return;
    }
    if (const std::optional<GridCell> cell = game_->CellAt(x, y)) {
        SelectCell(*cell);
    }
}

// The arrows move the current cell, Space or Enter selects it.
void TPseudo_Form::FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (CellKey(key, modifiers)) {
        key = 0;
    }
}

bool TPseudo_Form::CellKey(int key, Qt::KeyboardModifiers modifiers) {
    if (!game_) {
        return false;
    }
    if (const std::optional<KeyStep> step = ArrowStep(key, modifiers)) {
        // The first arrow only brings the focus to the grid.
        if (DxRamka->hasFocus()) {
            keys_.Move(*step);
        }
        cells_->SetCurrent(keys_.Index());
        DxRamka->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (IsChooseKey(key) && KeysForItems(DxRamka)) {
        SelectCell({keys_.Row() + 1, keys_.Column() + 1});
        return true;
    }
    return false;
}

std::string TPseudo_Form::CellName(int index) const {
    if (!game_ || game_->Columns() == 0) {
        return "";
    }
    const int row = index / game_->Columns() + 1;
    const int column = index % game_->Columns() + 1;
    std::string name = game_->Letter(row, column) + ", wiersz " + std::to_string(row) +
                       ", kolumna " + std::to_string(column);
    if (game_->Red(row, column)) {
        name += ", zaznaczona";
    }
    return name;
}

void TPseudo_Form::SelectCell(GridCell cell) {
    const WordSearchStep step = game_->Click(cell);
    if (!step.accepted) {
        return;
    }
    cells_->Changed();
    Sounds().PlayFileNow(CurrentCourse().DataPath("wav\\click.wav"), false);
    DxRamka->repaint();
    if (step.judged) {
        ShowJudgement();
    }
}

void TPseudo_Form::ShowJudgement() {
    Label2->SetCaption(game_->AttemptsText());
    for (int i = 1; i <= game_->WordCount(); ++i) {
        if (game_->FrameShown(i)) {
            const FrameRect f = game_->Frame(i);
            Shape* frame = shp[static_cast<std::size_t>(i - 1)];
            frame->SetBounds(f.left, f.top, f.width, f.height);
            frame->show();
            frame->raise();
        }
    }
    DxRamka->repaint();
    const int load = loads_;
    WaitWithEvents(kWordSearchPause);
    // Opened anew during the pause: the new puzzle has nothing to end.
    if (load != loads_) {
        return;
    }
    const bool done = game_->EndFeedback();
    Label1->SetCaption(game_->WordsLeftText());
    DxRamka->repaint();
    if (done && isVisible()) {
        ShowMessage(kWordSearchDoneMessage);
    }
}

} // namespace lumora
