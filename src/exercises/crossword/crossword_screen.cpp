#include "crossword_screen.h"

#include "course/lesson_kinds.h"
#include "exercises/common/verdict.h"
#include "sound/sound_service.h"

#include <QPainter>

namespace lumora {
namespace {

constexpr int kPictureWidth = 101;
constexpr int kPictureHeight = 120;
constexpr int kStripWidth = 316;
constexpr int kRowHeight = 22;
constexpr int kTopButtons = 10;

LessonScreenOptions CrosswordOptions() {
    LessonScreenOptions options;
    options.stayOnResultEsc = true;
    return options;
}

// A row of fifteen empty squares, one every 21 pixels.
QImage SquaresArt() {
    QImage image(kStripWidth, kRowHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (int x = 0; x < kStripWidth; x += kSquare) {
        painter.drawLine(x, 0, x, kSquare);
    }
    painter.drawLine(0, 0, kStripWidth - 1, 0);
    painter.drawLine(0, kSquare, kStripWidth - 1, kSquare);
    return image;
}

FontSpec LetterFont() {
    FontSpec font;
    font.face = "Arial";
    font.size = 12;
    font.bold = true;
    return font;
}

char UpperAZ(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace

TKrzyzowkaForm::TKrzyzowkaForm(RunContext& context) : LessonScreen(context, CrosswordOptions()) {}

void TKrzyzowkaForm::CreateControls() {
    LessonScreen::CreateControls();
    const CourseData& course = CurrentCourse();
    btn_help->move(btn_help->x(), kTopButtons);
    btn_exit->move(btn_exit->x(), kTopButtons);
    SetHint(*btn_help, course.GetHint(41));
    SetHint(*btn_exit, course.GetHint(42));
    SetHint(*btn_polecenie, course.GetHint(43));
    tmp_kratki = new Picture(this);
    tmp_kratki->SetImage(SquaresArt());
    tmp_kratki->SetBounds(0, 0, kStripWidth, kRowHeight);
    tmp_kratki->hide();
    for (int k = 1; k <= kFrames; ++k) {
        Picture* picture = new Picture(this);
        picture->SetStretch(true);
        picture->resize(kPictureWidth, kPictureHeight);
        picture->hide();
        img[static_cast<std::size_t>(k - 1)] = picture;
        PaintBox* row = new PaintBox(this);
        row->Tag = k;
        row->Font = LetterFont();
        row->OnPaint = [this, k](Canvas& canvas) { krPaint(k, canvas); };
        row->OnClick = [this, k] { kr_1Click(k); };
        SetCursor(*row, Cursor::HandPoint);
        row->hide();
        kr[static_cast<std::size_t>(k - 1)] = row;
    }
    Edit1 = new EditBox(this);
    SetAccessibleName(*Edit1, "Litery wiersza");
    Edit1->SetBorder(false);
    Edit1->resize(20, 19);
    Edit1->hide();
}

std::optional<LoadFault> TKrzyzowkaForm::ReadLesson() {
    const CourseData& course = CurrentCourse();
    const SteeringRow* row = course.Steering(Lesson().CurrentRow);
    if (row == nullptr) {
        return PlainFault("No crossword lesson is chosen.");
    }
    auto opened = Crossword::Open(course, row->TopicFolder);
    if (const auto* fault = std::get_if<LoadFault>(&opened)) {
        return *fault;
    }
    read_.emplace(std::move(std::get<Crossword>(opened)));
    return std::nullopt;
}

void TKrzyzowkaForm::PrepareLesson() {
    game_ = std::move(read_);
    read_.reset();
    for (int k = 1; k <= kFrames; ++k) {
        img[static_cast<std::size_t>(k - 1)]->hide();
        kr[static_cast<std::size_t>(k - 1)]->hide();
    }
    for (int k = 1; k <= game_->RowCount(); ++k) {
        const CrosswordRow& row = game_->Row(k);
        Picture* picture = img[static_cast<std::size_t>(k - 1)];
        picture->LoadFromFile(CurrentCourse().DataPath(row.picture));
        picture->move(row.pictureLeft, row.pictureTop);
        picture->show();
        PaintBox* squares = kr[static_cast<std::size_t>(k - 1)];
        squares->SetBounds(row.squares.left, row.squares.top, row.squares.width, kRowHeight);
        squares->show();
    }
    ShowInput();
}

void TKrzyzowkaForm::FormShow() {
    LessonScreen::FormShow();
    Sounds().PlayInstruction(CurrentCourse(), Lesson().CurrentCode);
    if (Edit1->isVisible()) {
        Edit1->setFocus();
    }
}

void TKrzyzowkaForm::FormClose() {
    LessonScreen::FormClose();
    for (Picture* picture : img) {
        picture->Clear();
    }
}

void TKrzyzowkaForm::krPaint(int tag, Canvas& canvas) {
    canvas.DrawPicture(0, 0, tmp_kratki->Image());
    if (!game_ || tag > game_->RowCount()) {
        return;
    }
    canvas.Brush.style = BrushStyle::Clear;
    const std::string& typed = game_->Row(tag).typed;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const std::string letter(1, UpperAZ(typed[i]));
        const int x = kSquare * static_cast<int>(i) - 1 + (22 - canvas.TextWidth(letter)) / 2;
        canvas.TextOut(x, 2, letter);
    }
}

void TKrzyzowkaForm::kr_1Click(int tag) {
    if (game_) {
        game_->Activate(tag);
        ShowInput();
    }
}

// What a screen reader says of row k: its number, length, the letters typed
// and whether it is solved.
std::string TKrzyzowkaForm::RowName(int k) const {
    const CrosswordRow& row = game_->Row(k);
    std::string name = "Wiersz " + std::to_string(k) + ", liter " + std::to_string(row.word.size());
    if (row.solved) {
        name += ", rozwiązany: " + row.word;
    } else if (!row.typed.empty()) {
        name += ", wpisane: " + row.typed;
    }
    return name;
}

void TKrzyzowkaForm::ShowInput() {
    for (int k = 1; k <= kFrames; ++k) {
        PaintBox* row = kr[static_cast<std::size_t>(k - 1)];
        row->update();
        if (game_ && k <= game_->RowCount()) {
            SetAccessibleName(*row, RowName(k));
        }
    }
    Edit1->SetText("");
    if (!game_ || !game_->InputVisible()) {
        Edit1->hide();
        return;
    }
    Edit1->move(game_->InputLeft(), game_->InputTop());
    Edit1->show();
    Edit1->raise();
    Edit1->setFocus();
}

// While a row takes letters every key but Escape (which leaves) goes to the
// crossword, so the edit box never shows a character.
bool TKrzyzowkaForm::FormShortCut(int key, Qt::KeyboardModifiers modifiers) {
    if (!game_ || !Edit1->isVisible() || key == Qt::Key_Escape) {
        return false;
    }
    const bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (key >= Qt::Key_A && key <= Qt::Key_Z && plain) {
        TypeLetter(static_cast<char32_t>(U'a' + (key - Qt::Key_A)));
    } else if (key == Qt::Key_Backspace) {
        game_->Backspace();
        ShowInput();
    } else if (key == Qt::Key_Tab || key == Qt::Key_Down) {
        game_->NextRow();
        ShowInput();
    } else if (key == Qt::Key_Up) {
        game_->PreviousRow();
        ShowInput();
    }
    return true;
}

void TKrzyzowkaForm::TypeLetter(char32_t letter) {
    const LessonStep step = game_->TypeLetter(letter);
    PlayCues(CurrentCourse(), Sounds(), Settings().SoundSet, step.cues);
    ShowInput();
    if (step.finished) {
        btn_exitClick();
    }
}

void TKrzyzowkaForm::BeforeLeaving() {
    Sounds().StopMedia();
}

LessonScore TKrzyzowkaForm::Score() const {
    if (!game_) {
        return {};
    }
    return game_->Result();
}

} // namespace lumora
