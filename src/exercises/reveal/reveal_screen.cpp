#include "reveal_screen.h"

#include "exercises/common/verdict.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/screen_pause.h"
#include "sound/sound_service.h"

#include <QPainter>

namespace lumora {
namespace {

constexpr int kPictureLeft = 92;
constexpr int kPictureTop = 44;
constexpr int kTileWidth = 150;
constexpr int kTileHeight = 100;
constexpr int kTopButtons = 10;
constexpr int kRepeatStrip = 11;
constexpr int kNextStrip = 14;

LessonScreenOptions RevealOptions() {
    LessonScreenOptions options;
    options.stayOnResultEsc = true;
    return options;
}

// The cover every tile shows until its word is found.
QImage CoverArt() {
    QImage image(kTileWidth, kTileHeight, QImage::Format_RGB32);
    image.fill(QColor(46, 82, 140));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(22, 44, 86), 2));
    painter.drawRect(QRectF(1, 1, kTileWidth - 2, kTileHeight - 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(232, 196, 64));
    painter.drawEllipse(QPointF(kTileWidth / 2.0, kTileHeight / 2.0), 16, 16);
    painter.setPen(QPen(QColor(22, 44, 86), 3));
    QFont font("Arial");
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, kTileWidth, kTileHeight), Qt::AlignCenter, "?");
    return image;
}

FontSpec CaptionFont() {
    FontSpec font;
    font.face = "Arial";
    font.size = 12;
    font.bold = true;
    font.colour = kWhite;
    return font;
}

} // namespace

TOdkrywanieForm::TOdkrywanieForm(RunContext& context) : LessonScreen(context, RevealOptions()) {}

void TOdkrywanieForm::CreateControls() {
    LessonScreen::CreateControls();
    const CourseData& course = CurrentCourse();
    btn_help->move(btn_help->x(), kTopButtons);
    btn_exit->move(btn_exit->x(), kTopButtons);
    SetHint(*btn_help, course.GetHint(44));
    SetHint(*btn_exit, course.GetHint(45));
    SetHint(*btn_polecenie, course.GetHint(46));
    btn_powtorz = MakeButton(390, kButtonTop, kRepeatStrip, course.GetHint(47));
    btn_powtorz->OnClick = [this] { btn_powtorzClick(); };
    btn_nastepne = MakeButton(430, kButtonTop, kNextStrip, course.GetHint(48));
    btn_nastepne->OnClick = [this] { btn_nastepneClick(); };
    Image1 = new Picture(this);
    Image1->SetStretch(true);
    Image1->SetBounds(kPictureLeft, kPictureTop, 4 * kTileWidth, 4 * kTileHeight);
    const QImage cover = CoverArt();
    for (int t = 0; t < kRevealTiles; ++t) {
        Picture* tile = new Picture(this);
        tile->SetImage(cover);
        tile->SetBounds(kPictureLeft + kTileWidth * (t % 4), kPictureTop + kTileHeight * (t / 4),
                        kTileWidth, kTileHeight);
        img[static_cast<std::size_t>(t)] = tile;
    }
    // Tab reaches the board; the arrows go through its tiles, which a
    // screen reader reads out (nothing is done to a tile: words lift them).
    SetAccessibleName(*Image1, "Obrazek pod polami");
    tiles_ = std::make_unique<KeyboardGrid>(*Image1);
    tiles_->SetCount(kRevealTiles);
    tiles_->SetColumns(4);
    tiles_->ItemRole = AccessRole::Cell;
    tiles_->ItemRect = [](int i) {
        return QRect(kTileWidth * (i % 4), kTileHeight * (i / 4), kTileWidth, kTileHeight);
    };
    tiles_->ItemName = [this](int i) { return TileName(i + 1); };
    Edit1 = new EditBox(this);
    SetAccessibleName(*Edit1, "Twoja odpowiedź po angielsku");
    Edit1->SetBounds(300, 472, 177, 24);
    lbl_tlumacz = new Label(this);
    lbl_tlumacz->SetFont(CaptionFont());
    lbl_tlumacz->SetBounds(300, 500, 400, 24);
    lbl_opis = new Label(this);
    lbl_opis->SetFont(CaptionFont());
    lbl_opis->SetAlignment(Alignment::Center);
    lbl_opis->SetWordWrap(true);
    lbl_opis->SetBounds(56, 452, 685, 60);
}

std::optional<LoadFault> TOdkrywanieForm::ReadLesson() {
    const CourseData& course = CurrentCourse();
    const SteeringRow* row = course.Steering(Lesson().CurrentRow);
    if (row == nullptr) {
        return PlainFault("No reveal lesson is chosen.");
    }
    auto opened = RevealGame::Open(course, Context().session.reveal, row->TopicFolder);
    if (const auto* fault = std::get_if<LoadFault>(&opened)) {
        return *fault;
    }
    read_.emplace(std::move(std::get<RevealGame>(opened)));
    return std::nullopt;
}

void TOdkrywanieForm::PrepareLesson() {
    game_ = std::move(read_);
    read_.reset();
    Image1->LoadFromFile(CurrentCourse().DataPath(game_->PicturePath()));
    Edit1->SetText("");
    ShowState();
}

void TOdkrywanieForm::FormShow() {
    LessonScreen::FormShow();
    Edit1->SetText("");
    Sounds().PlayInstruction(CurrentCourse(), Lesson().CurrentCode);
    PlayWord(SoundMode::Next);
    Edit1->setFocus();
}

void TOdkrywanieForm::FormClose() {
    LessonScreen::FormClose();
    Image1->Clear();
}

void TOdkrywanieForm::ShowState() {
    for (int t = 1; t <= kRevealTiles; ++t) {
        img[static_cast<std::size_t>(t - 1)]->setVisible(game_->TileVisible(t));
    }
    lbl_tlumacz->SetCaption(game_->Caption());
    lbl_tlumacz->setVisible(game_->CaptionVisible());
    lbl_opis->SetCaption(game_->Description());
    lbl_opis->setVisible(!game_->Description().empty());
    Edit1->setVisible(game_->InputVisible());
    btn_powtorz->setVisible(game_->ButtonsVisible());
    btn_nastepne->setVisible(game_->ButtonsVisible());
    tiles_->Changed();
}

std::string TOdkrywanieForm::TileName(int t) const {
    const std::string place = "Pole " + std::to_string(t);
    if (!game_ || game_->TileVisible(t)) {
        return place + ": zakryte";
    }
    // Tiles no word lifts come off with the last word.
    const int w = game_->TileWord(t);
    if (w < 1 || w > kRevealWords) {
        return place + ": odkryte";
    }
    const RevealWord& word = game_->Word(w);
    return place + ": odkryte, " + word.english + " – " + word.polish;
}

void TOdkrywanieForm::PlayWord(SoundMode mode) {
    if (game_) {
        Sounds().PlaySound(CurrentCourse().DataPath(game_->WordSound()), mode);
    }
}

void TOdkrywanieForm::btn_powtorzClick() {
    PlayWord(SoundMode::Interrupt);
}

void TOdkrywanieForm::btn_nastepneClick() {
    if (game_ && game_->AcceptsAnswer()) {
        game_->Next();
        PlayWord(SoundMode::Interrupt);
    }
}

void TOdkrywanieForm::Edit1Enter() {
    if (!game_ || !game_->AcceptsAnswer()) {
        return;
    }
    LessonStep step = game_->Answer(Edit1->Text());
    for (;;) {
        if (step.emptyEntry) {
            Edit1->SetText("");
        }
        PlayCues(CurrentCourse(), Sounds(), Settings().SoundSet, step.cues,
                 CurrentCourse().DataPath(game_->WordSound()));
        if (step.pauseMs == 0) {
            break;
        }
        ShowState();
        repaint();
        // Nothing the learner does reaches the game while it pauses.
        PauseScreens(step.pauseMs);
        step = game_->Continue();
    }
    ShowState();
    if (Edit1->isVisible()) {
        Edit1->setFocus();
    }
}

// Enter answers; Alt+W repeats the word; a key with Alt never types.
bool TOdkrywanieForm::FormShortCut(int key, Qt::KeyboardModifiers modifiers) {
    if (!game_ || !Edit1->isVisible()) {
        return false;
    }
    if (modifiers & Qt::AltModifier) {
        if (key == Qt::Key_W && btn_powtorz->isVisible()) {
            btn_powtorzClick();
        }
        return true;
    }
    if (IsEnterKey(key)) {
        Edit1Enter();
        return true;
    }
    return false;
}

void TOdkrywanieForm::BeforeLeaving() {
    Sounds().StopMedia();
}

LessonScore TOdkrywanieForm::Score() const {
    if (!game_) {
        return {};
    }
    return game_->Result();
}

} // namespace lumora
