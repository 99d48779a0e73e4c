#include "presentation_screen.h"

#include "course/lesson_kinds.h"
#include "exercises/lesson_dialogs.h"
#include "htmlview/html_print.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "platform/ui/fonts.h"
#include "presentation_art.h"
#include "presentation_words.h"
#include "sound/recording.h"
#include "word_list_page.h"

namespace lumora {
namespace {

constexpr const char* kPlayAllTag = "Slowka";
constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 190;
constexpr int kUnderPicture = 5;
constexpr int kSplitTop = 42;   // the "_up" band's height
constexpr int kLowerBand = 508; // where the "_dn" band starts
constexpr int kPlayAllPause = 200;
const Rgb kSilver{192, 192, 192};
const Rgb kProgressColour{40, 150, 60};

FontSpec WordFont(Rgb colour) {
    FontSpec font;
    font.face = "Arial";
    font.pixels = 18;
    font.bold = true;
    font.colour = colour;
    return font;
}

// Four pictures a row from (30, 50), 5 pixels apart, rows 40 pixels apart.
std::array<std::pair<int, int>, TPrezentacjaForm::kSlots> GridPlaces() {
    std::array<std::pair<int, int>, TPrezentacjaForm::kSlots> places{};
    int x = 30;
    int y = 50;
    for (auto& place : places) {
        place = {x, y};
        if (x + 2 * kPictureWidth + 5 < 750) {
            x += kPictureWidth + 5;
        } else {
            x = 30;
            y += kPictureHeight + 40;
        }
    }
    return places;
}

LessonScreenOptions PresentationOptions() {
    LessonScreenOptions options;
    options.stayOnResultEsc = true;
    return options;
}

} // namespace

TPrezentacjaForm::TPrezentacjaForm(LessonContext& context)
    : LessonScreen(context, PresentationOptions()) {
    const CourseData& course = CurrentCourse();
    img_tlo->OnClick = [this] { img_tloClick(); };
    img_tlo_dn = new Picture(this);
    img_tlo_dn->SetBounds(0, kLowerBand, 800, 600 - kLowerBand);
    img_tlo_dn->SetStretch(true);
    img_tlo_dn->hide();
    img_tlo_dn->lower();
    img_tlo->lower();
    btn_help->move(8, 15);
    SetHint(*btn_help, course.GetHint(14));
    btn_exit->move(724, 15);
    SetHint(*btn_exit, course.GetHint(15));
    btn_polecenie->move(452, 548);
    SetHint(*btn_polecenie, course.GetHint(16));
    btn_exit->OnClick = [this] { Leave(); };
    btn_up = MakeButton(734, 215, 12, "");
    btn_up->OnClick = [this] { btn_upClick(); };
    btn_dn = MakeButton(734, 335, 13, "");
    btn_dn->OnClick = [this] { btn_dnClick(); };
    btn_play_all = MakeButton(390, 548, 22, course.GetHint(49));
    btn_play_all->OnClick = [this] { btn_play_allClick(); };
    btn_drukuj = MakeButton(514, 548, 21, course.GetHint(17));
    btn_drukuj->OnClick = [this] { btn_drukujClick(); };
    btn_mikrofonik = MakeButton(577, 549, 9, course.GetHint(18));
    btn_mikrofonik->SetStyle(tbs_Highlighted | tbs_Pressed);
    btn_mikrofonik->OnMouseDown = [this](Qt::MouseButton button, int, int) {
        if (button == Qt::LeftButton) {
            btn_mikrofonikMouseDown();
        }
    };
    btn_mikrofonik->OnMouseUp = [this](Qt::MouseButton, int, int) { btn_mikrofonikMouseUp(); };
    btn_glosniczek = MakeButton(639, 548, 10, course.GetHint(19));
    btn_glosniczek->OnClick = [this] { btn_glosniczekClick(); };
    btn_Odtworz = MakeButton(710, 548, 11, course.GetHint(20));
    btn_Odtworz->OnClick = [this] { btn_OdtworzClick(); };

    // The word to record, black over a white copy one pixel down and right.
    lbl_nagr2 = new Label(this);
    lbl_nagr2->SetFont(WordFont(kWhite));
    lbl_nagr2->SetAutoSize(true);
    lbl_nagr2->move(577, 529);
    lbl_nagr = new Label(this);
    lbl_nagr->SetFont(WordFont(kBlack));
    lbl_nagr->SetAutoSize(true);
    lbl_nagr->move(576, 528);
    for (Label* label : {lbl_nagr, lbl_nagr2}) {
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    lbl_all_pkt = new Label(this);
    // Small enough to end before the instruction button beside it.
    FontSpec points = WordFont(kBlack);
    points.pixels = 10;
    lbl_all_pkt->SetFont(points);
    lbl_all_pkt->SetAutoSize(true);
    lbl_all_pkt->move(390, 557);
    SetCursor(*lbl_all_pkt, Cursor::HandPoint);
    shp_progress = new Shape(this);
    shp_progress->SetBounds(233, 559, 152, 10);
    shp_progress->SetPen({kSilver, 1});
    shp_progress->SetBrush({BrushStyle::Clear, kWhite});
    img_progress = new Shape(this);
    img_progress->SetBounds(234, 560, 0, 8);
    img_progress->SetPen({kProgressColour, 1});
    img_progress->SetBrush({BrushStyle::Solid, kProgressColour});

    const auto places = GridPlaces();
    const QImage question = QuestionMarkArt();
    for (int i = 0; i < kSlots; ++i) {
        const auto s = static_cast<std::size_t>(i);
        img[s] = new Picture(this);
        img[s]->SetBounds(places[s].first, places[s].second, kPictureWidth, kPictureHeight);
        img[s]->SetStretch(true);
        img[s]->OnClick = [this, i] { ImageClick(i + 1); };
        lbl[s] = new Label(this);
        lbl[s]->SetFont(WordFont(kBlack));
        lbl[s]->SetAutoSize(true);
        SetCursor(*lbl[s], Cursor::HandPoint);
        lbl[s]->OnClick = [this, i] { LabelClick(i + 1); };
        zapyt[s] = new Picture(this);
        zapyt[s]->SetImage(question);
        zapyt[s]->resize(question.width(), question.height());
        SetCursor(*zapyt[s], Cursor::HandPoint);
        zapyt[s]->OnClick = [this, i] { ZapytClick(i + 1); };
    }
    ed_wpis = new EditBox(this);
    ed_wpis->resize(80, 24);
    ed_wpis->SetMaxLength(50);
    ed_wpis->hide();
    lbl_nagr->raise();

    reveal_.SetInterval(kRevealStep);
    reveal_.OnTimer = [this] { RevealNext(); };
}

TPrezentacjaForm::~TPrezentacjaForm() = default;

// --- Opening ---------------------------------------------------------------

std::optional<std::string> TPrezentacjaForm::ReadLesson() {
    const CourseData& course = CurrentCourse();
    return RefuseVocabulary(course, course.CurrentCode,
                            static_cast<int>(PresentationRows(course.SelectedRows).size()));
}

void TPrezentacjaForm::PrepareLesson() {
    CourseData& course = Context().course;
    Sounds().ClearSoundQueue();
    code_ = course.CurrentCode;
    recorded_ = false;
    recordRow_ = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{btn_up, btn_dn, btn_mikrofonik,
                                                      btn_glosniczek, lbl_nagr, lbl_nagr2}) {
        w->hide();
    }
    ed_wpis->SetText("");
    ed_wpis->hide();
    if (course.SelectedCount() > kVocabularyMaxWords) {
        ShowMessage(kTooManyWordsMessage);
    }
    rows_ = PresentationRows(course.SelectedRows);
    if (code_ == kChoiceCode) {
        choice_ = ChoiceDrill(rows_);
        wordOrder_ = choice_.Round();
        lbl_all_pkt->SetCaption(course.GetText(1) + " 0");
    } else if (code_ == kTypingDrillCode) {
        if (static_cast<int>(rows_.size()) < TypingDrill::kWords) {
            ShowMessage(kTooFewToTypeMessage);
        }
        typing_ = TypingDrill(rows_);
        wordOrder_ = typing_.Words();
    } else {
        wordOrder_ = rows_;
    }
    page_ = WordPage(static_cast<int>(wordOrder_.size()), code_ == kVocabularyCode);
    const bool choice = code_ == kChoiceCode;
    img_progress->resize(0, img_progress->height());
    for (QWidget* w :
         std::initializer_list<QWidget*>{img_progress, shp_progress, lbl_all_pkt, btn_Odtworz}) {
        w->setVisible(choice);
    }
    btn_help->show();
    btn_polecenie->show();
    btn_drukuj->setVisible(code_ == kVocabularyCode);
    btn_play_all->setVisible(code_ == kVocabularyCode);
    PlaceSlots();
    ClearSlots();
}

void TPrezentacjaForm::PlaceSlots() {
    const SteeringRow* row = CurrentCourse().Steering(CurrentCourse().CurrentRow);
    const auto places = GridPlaces();
    const bool pairs = code_ == kChoiceCode && row != nullptr && row->LayoutCount > 0;
    for (int i = 0; i < kSlots; ++i) {
        const auto s = static_cast<std::size_t>(i);
        if (pairs && i < ChoiceDrill::kRoundWords) {
            img[s]->move(row->LayoutX[s], row->LayoutY[s]);
        } else {
            img[s]->move(places[s].first, places[s].second);
        }
    }
}

void TPrezentacjaForm::ClearSlots() {
    reveal_.SetEnabled(false);
    for (int i = 0; i < kSlots; ++i) {
        const auto s = static_cast<std::size_t>(i);
        img[s]->Clear();
        img[s]->Tag = i + 1;
        img[s]->hide();
        lbl[s]->SetCaption("");
        lbl[s]->hide();
        zapyt[s]->hide();
    }
}

void TPrezentacjaForm::FormShow() {
    LessonScreen::FormShow();
    Sounds().SetPlayAllStep([this] { PlayAllStep(); });
    ShowPage(true);
    ShowArrows();
    Sounds().StopMedia();
    Sounds().PlayInstruction(code_);
    if (code_ == kChoiceCode) {
        btn_OdtworzClick();
    } else if (code_ == kTypingDrillCode) {
        ZapytClick(1);
    }
}

// With a background name N.ext: for the presentation and the typing drill,
// when N itself is missing but N_up.bmp and N_dn.bmp exist, a narrow band on
// top and one at the bottom over white; for the choice, N_mc.ext when it
// exists; otherwise the named picture when it exists.
void TPrezentacjaForm::LoadBackground() {
    const CourseData& course = CurrentCourse();
    img_tlo->SetBounds(0, 0, 800, 600);
    img_tlo_dn->hide();
    SetColor(kBlack);
    const SteeringRow* row = course.Steering(course.CurrentRow);
    const std::string name = row != nullptr ? Trim(row->Background) : std::string();
    if (name.empty()) {
        return;
    }
    const std::string base = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
    const std::string ext = name.size() > 4 ? name.substr(name.size() - 4) : name;
    const auto tla = [&course](const std::string& file) { return course.DataPath("tla\\" + file); };
    if (code_ != kChoiceCode && !FileExists(tla(base)) && FileExists(tla(base + "_up.bmp")) &&
        FileExists(tla(base + "_dn.bmp"))) {
        img_tlo->SetBounds(0, 0, 800, kSplitTop);
        img_tlo->LoadFromFile(tla(base + "_up.bmp"));
        img_tlo_dn->LoadFromFile(tla(base + "_dn.bmp"));
        img_tlo_dn->show();
        SetColor(kWhite);
        return;
    }
    if (code_ == kChoiceCode && FileExists(tla(base + "_mc" + ext))) {
        img_tlo->LoadFromFile(tla(base + "_mc" + ext));
        return;
    }
    if (FileExists(tla(name))) {
        img_tlo->LoadFromFile(tla(name));
    }
}

void TPrezentacjaForm::FormClose() {
    reveal_.SetEnabled(false);
    Sounds().SetPlayTag("");
    Sounds().SetPlayAllStep(nullptr);
    LessonScreen::FormClose();
    img_tlo_dn->Clear();
    ClearSlots();
}

// --- The page --------------------------------------------------------------

const DataRow& TPrezentacjaForm::Row(int dataRow) const {
    return CurrentCourse().DataTable.at(static_cast<std::size_t>(dataRow - 1));
}

int TPrezentacjaForm::RowAt(int position) const {
    return wordOrder_.at(static_cast<std::size_t>(position - 1));
}

std::string TPrezentacjaForm::SoundOf(int dataRow) const {
    return CurrentCourse().DataPath(WordSoundName(CurrentCourse(), Row(dataRow)));
}

void TPrezentacjaForm::ShowPage(bool slowly) {
    reveal_.SetEnabled(false);
    for (int i = 0; i < kSlots; ++i) {
        img[static_cast<std::size_t>(i)]->hide();
        lbl[static_cast<std::size_t>(i)]->hide();
    }
    const int first = page_.FirstShown();
    const int last = page_.LastShown();
    for (int k = first; k <= last; ++k) {
        const auto s = static_cast<std::size_t>(k - first);
        const DataRow& row = Row(RowAt(k));
        const std::string picture = CurrentCourse().DataPath(WordPictureName(CurrentCourse(), row));
        img[s]->Clear();
        if (FileExists(picture)) {
            img[s]->LoadFromFile(picture);
        } else {
            ShowMessage(kMissingPictureMessage + picture);
        }
        img[s]->Tag = k;
        lbl[s]->Tag = k;
        if (code_ != kTypingDrillCode || !typing_.Solved(k)) {
            zapyt[s]->Tag = k;
        }
        lbl[s]->SetCaption(row.EnglishText);
        SetHint(*lbl[s], row.PolishText);
        SetCursor(*img[s], code_ == kTypingDrillCode ? Cursor::Arrow : Cursor::HandPoint);
        const QRect at = img[s]->geometry();
        lbl[s]->move(at.x() + (at.width() - lbl[s]->width()) / 2, at.bottom() + 1 + kUnderPicture);
        zapyt[s]->move(at.x() + (at.width() - zapyt[s]->width()) / 2,
                       at.bottom() + 1 + kUnderPicture);
    }
    revealed_ = 0;
    const int count = last - first + 1;
    if (slowly && count > 1) {
        RevealNext();
        reveal_.SetEnabled(true);
        return;
    }
    for (int slot = 1; slot <= count; ++slot) {
        RevealSlot(slot);
    }
}

void TPrezentacjaForm::RevealNext() {
    const int count = page_.LastShown() - page_.FirstShown() + 1;
    if (revealed_ >= count) {
        reveal_.SetEnabled(false);
        return;
    }
    RevealSlot(++revealed_);
    if (revealed_ >= count) {
        reveal_.SetEnabled(false);
    }
}

void TPrezentacjaForm::RevealSlot(int slot) {
    const auto s = static_cast<std::size_t>(slot - 1);
    img[s]->show();
    if (code_ == kVocabularyCode) {
        lbl[s]->show();
    } else if (code_ == kTypingDrillCode) {
        const bool solved = typing_.Solved(img[s]->Tag);
        lbl[s]->setVisible(solved);
        zapyt[s]->setVisible(!solved);
    }
}

void TPrezentacjaForm::ShowArrows() {
    btn_up->setVisible(page_.UpShown());
    btn_dn->setVisible(page_.DownShown());
}

void TPrezentacjaForm::btn_dnClick() {
    page_.Down();
    ShowPage();
    ShowArrows();
}

void TPrezentacjaForm::btn_upClick() {
    page_.Up();
    ShowPage();
    ShowArrows();
}

// --- Hearing and recording words -------------------------------------------

void TPrezentacjaForm::ImageClick(int slot) {
    const int position = img[static_cast<std::size_t>(slot - 1)]->Tag;
    if (code_ == kVocabularyCode) {
        HearWord(position);
    } else if (code_ == kChoiceCode) {
        ChoosePicture(position);
    }
}

void TPrezentacjaForm::LabelClick(int slot) {
    const Label* label = lbl[static_cast<std::size_t>(slot - 1)];
    if (label->isVisible()) {
        HearWord(label->Tag);
    }
}

void TPrezentacjaForm::HearWord(int position) {
    if (position < 1 || position > static_cast<int>(wordOrder_.size())) {
        return;
    }
    const int row = RowAt(position);
    Sounds().PlaySound(SoundOf(row), SoundMode::Interrupt);
    btn_mikrofonik->show();
    btn_glosniczek->hide();
    lbl_nagr->SetCaption(Row(row).EnglishText);
    lbl_nagr2->SetCaption(Row(row).EnglishText);
    lbl_nagr->show();
    lbl_nagr2->show();
    recordRow_ = row;
}

void TPrezentacjaForm::btn_mikrofonikMouseDown() {
    recorded_ = false;
    Sounds().MainPlayer().Close();
    StartRecording();
}

void TPrezentacjaForm::btn_mikrofonikMouseUp() {
    if (recorded_ || !RecordingActive()) {
        return;
    }
    StopRecording();
    MediaPlayer& player = Sounds().MainPlayer();
    player.SetFileName(CurrentCourse().UserPath("tmp1.wav"));
    if (player.Open() && player.Length() >= kShortestRecording) {
        recorded_ = true;
        btn_glosniczek->show();
        btn_glosniczekClick();
        return;
    }
    ShowMessageScreen(CurrentCourse().GetText(6));
}

void TPrezentacjaForm::btn_glosniczekClick() {
    Sounds().PlaySound(CurrentCourse().UserPath("tmp1.wav"), SoundMode::Interrupt);
    if (recordRow_ > 0) {
        Sounds().PlaySound(SoundOf(recordRow_), SoundMode::Next);
    }
}

// --- Play-all ----------------------------------------------------------------

void TPrezentacjaForm::btn_play_allClick() {
    Sounds().SetPlayTag("");
    Sounds().StopMedia();
    WaitWithEvents(kPlayAllPause);
    // Left during the pause: the run has no page to play any more.
    if (!isVisible()) {
        return;
    }
    int position = playAll_.Start(page_);
    ShowPage();
    ShowArrows();
    // A word whose sound is missing would never end; the run passes over it.
    while (position != 0 && !FileExists(SoundOf(RowAt(position)))) {
        position = playAll_.Step(page_);
    }
    if (position == 0) {
        return;
    }
    Sounds().PlayFileNow(SoundOf(RowAt(position)), false);
    Sounds().SetPlayTag(kPlayAllTag);
}

void TPrezentacjaForm::PlayAllStep() {
    const int first = page_.FirstShown();
    int position = playAll_.Step(page_);
    while (position != 0 && !FileExists(SoundOf(RowAt(position)))) {
        position = playAll_.Step(page_);
    }
    if (page_.FirstShown() != first) {
        ShowPage();
        ShowArrows();
    }
    if (position == 0) {
        Sounds().SetPlayTag("");
        Sounds().StopMedia();
        return;
    }
    Sounds().PlayFileNow(SoundOf(RowAt(position)), false);
}

void TPrezentacjaForm::img_tloClick() {
    if (Sounds().PlayTag() == kPlayAllTag) {
        Sounds().SetPlayTag("");
        Sounds().StopMedia();
    }
}

// --- The picture choice ------------------------------------------------------

void TPrezentacjaForm::btn_OdtworzClick() {
    if (code_ == kChoiceCode && !choice_.Finished()) {
        Sounds().PlaySound(SoundOf(choice_.Target()), SoundMode::Next);
    }
}

void TPrezentacjaForm::PlayFeedback(bool right, SoundMode mode) {
    const std::string name = right ? PraiseSoundName() : FailureSoundName();
    Sounds().PlaySound(CurrentCourse().DataPath("wav\\" + name), mode);
}

void TPrezentacjaForm::ChoosePicture(int slot) {
    if (choice_.Finished()) {
        return;
    }
    const ChoiceDrill::Answer answer = choice_.Choose(slot);
    PlayFeedback(answer.right, SoundMode::Interrupt);
    lbl_all_pkt->SetCaption(CurrentCourse().GetText(1) + std::to_string(choice_.Points()));
    img_progress->resize(choice_.ProgressWidth(), img_progress->height());
    if (answer.finished) {
        FinishDrill();
        return;
    }
    wordOrder_ = choice_.Round();
    ShowPage();
    btn_OdtworzClick();
}

// --- The typing drill ----------------------------------------------------------

void TPrezentacjaForm::ZapytClick(int slot) {
    const Picture* mark = zapyt[static_cast<std::size_t>(slot - 1)];
    if (code_ != kTypingDrillCode || typing_.Solved(mark->Tag)) {
        return;
    }
    OpenEntry(mark->Tag);
}

void TPrezentacjaForm::OpenEntry(int position) {
    if (position < 1 || position > typing_.Count()) {
        return;
    }
    const Picture* mark = zapyt[static_cast<std::size_t>(position - 1)];
    ed_wpis->move(mark->pos());
    ed_wpis->setProperty("position", position);
    ed_wpis->SetText("");
    ed_wpis->show();
    ed_wpis->raise();
    ed_wpis->setFocus();
}

bool TPrezentacjaForm::FormShortCut(int key, Qt::KeyboardModifiers) {
    if (code_ != kTypingDrillCode || !ed_wpis->isVisible()) {
        return false;
    }
    if (IsEnterKey(key)) {
        EnterTyped();
        return true;
    }
    if (key == Qt::Key_Tab) {
        if (!typing_.Finished()) {
            OpenEntry(typing_.NextOpen(ed_wpis->property("position").toInt()));
        }
        return true;
    }
    return false;
}

void TPrezentacjaForm::EnterTyped() {
    const int position = ed_wpis->property("position").toInt();
    if (position < 1 || position > typing_.Count()) {
        return;
    }
    const TypingDrill::Answer answer =
        typing_.Enter(position, ed_wpis->Text(), Row(RowAt(position)).EnglishText);
    if (!answer.right) {
        PlayFeedback(false, SoundMode::Interrupt);
        ed_wpis->SetText("");
        return;
    }
    const auto s = static_cast<std::size_t>(position - page_.FirstShown());
    zapyt[s]->hide();
    zapyt[s]->Tag = 0;
    lbl[s]->show();
    ed_wpis->hide();
    PlayFeedback(true, SoundMode::Next);
    if (answer.finished) {
        FinishDrill();
        return;
    }
    OpenEntry(answer.next);
}

// --- Printing and leaving ------------------------------------------------------

std::string TPrezentacjaForm::WordListHtml() const {
    return JoinPage(WordListPage(CurrentCourse(), wordOrder_));
}

void TPrezentacjaForm::btn_drukujClick() {
    if (!AskQuestion(CurrentCourse().GetText(7))) {
        return;
    }
    PrintHtmlPage(WordListHtml(), CurrentCourse().CurrentTopic);
}

ExerciseScore TPrezentacjaForm::Score() const {
    if (code_ == kChoiceCode) {
        return {choice_.Points(), choice_.Right(), choice_.Wrong(),
                choice_.Right() + choice_.Wrong(), choice_.QuestionCount()};
    }
    if (code_ == kTypingDrillCode) {
        return {typing_.Points(), typing_.Right(), typing_.Wrong(),
                typing_.Right() + typing_.Wrong(), typing_.Count()};
    }
    return {};
}

void TPrezentacjaForm::FinishDrill() {
    FinishLesson(Score());
}

// The presentation itself records the lesson as seen and closes; the drills
// show their result.
void TPrezentacjaForm::Leave() {
    if (code_ != kVocabularyCode) {
        FinishDrill();
        return;
    }
    CourseData& course = Context().course;
    AddPoints(course, Context().points, course.CurrentContent, code_, 0);
    Close();
}

} // namespace lumora
