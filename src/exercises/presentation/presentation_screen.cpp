#include "presentation_screen.h"

#include "course/lesson_kinds.h"
#include "exercises/listening_speed_control.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "platform/ui/fonts.h"
#include "presentation_art.h"
#include "presentation_words.h"
#include "sound/recording.h"

namespace lumora {
namespace {

constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 190;
constexpr int kSplitTop = 42;    // the "_up" band's height
constexpr int kLowerBand = 508;  // where the "_dn" band starts
constexpr int kUnderPicture = 5; // the gap between a picture and its word
const Rgb kSilver{192, 192, 192};
const Rgb kProgressColour{40, 150, 60};

using Row = ButtonRow<TPrezentacjaForm>;
// The microphone has no click: it records while held.
const Row kButtons[] = {
    {&TPrezentacjaForm::btn_up, 734, 215, 12, 0, &TPrezentacjaForm::btn_upClick},
    {&TPrezentacjaForm::btn_dn, 734, 335, 13, 0, &TPrezentacjaForm::btn_dnClick},
    {&TPrezentacjaForm::btn_play_all, 390, 548, 22, 49, &TPrezentacjaForm::btn_play_allClick},
    {&TPrezentacjaForm::btn_drukuj, 514, 548, 21, 17, &TPrezentacjaForm::btn_drukujClick},
    {&TPrezentacjaForm::btn_mikrofonik, 577, 549, 9, 18, nullptr},
    {&TPrezentacjaForm::btn_glosniczek, 639, 548, 10, 19, &TPrezentacjaForm::btn_glosniczekClick},
    {&TPrezentacjaForm::btn_Odtworz, 710, 548, 11, 20, &TPrezentacjaForm::btn_OdtworzClick},
};

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

TPrezentacjaForm::TPrezentacjaForm(RunContext& context)
    : LessonScreen(context, PresentationOptions()), pageView_(*this, context),
      choiceView_(*this, context), typingView_(*this, context), recorder_(*this, context) {}

TPrezentacjaForm::~TPrezentacjaForm() = default;

void TPrezentacjaForm::CreateControls() {
    LessonScreen::CreateControls();
    const CourseData& course = CurrentCourse();
    img_tlo->OnClick = [this] { img_tloClick(); };
    // A click beside everything; no control for keys.
    img_tlo->SetTabStop(false);
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
    btn_exit->OnClick = [this] { Mode().Leave(); };
    MakeButtons(*this, kButtons);
    SetAccessibleName(*btn_up, "Przewiń w górę");
    SetAccessibleName(*btn_dn, "Przewiń w dół");
    // Lit, not pressed, while held: its strip has no pressed frame.
    btn_mikrofonik->OnMouseDown = [this](Qt::MouseButton button, int, int) {
        if (button == Qt::LeftButton) {
            btn_mikrofonikMouseDown();
        }
    };
    btn_mikrofonik->OnMouseUp = [this](Qt::MouseButton, int, int) { btn_mikrofonikMouseUp(); };
    // By keys, which cannot be held as a button is, Space or Enter starts the
    // recording and the next one ends it.
    btn_mikrofonik->SetTabStop(true);
    btn_mikrofonik->OnKey = [this](int key, Qt::KeyboardModifiers) {
        if (key != Qt::Key_Space && !IsEnterKey(key)) {
            return false;
        }
        if (Context().recording.RecordingActive()) {
            btn_mikrofonikMouseUp();
        } else {
            btn_mikrofonikMouseDown();
        }
        return true;
    };
    btn_glosniczek->SetStyle(0); // never lights up
    recorder_.CreatePicture();
    CreateRecordingLabels();
    CreateProgress();
    CreateSlots();
    ed_wpis = new EditBox(this);
    ed_wpis->resize(80, 24);
    ed_wpis->SetMaxLength(50);
    ed_wpis->hide();
    lbl_nagr->raise();

    reveal_.SetInterval(kRevealStep);
    reveal_.OnTimer = [this] { RevealNext(); };
}

// The word to record, black over a white copy one pixel down and right.
void TPrezentacjaForm::CreateRecordingLabels() {
    lbl_nagr2 = new Label(this);
    lbl_nagr2->SetFont(WordFont(kWhite));
    lbl_nagr2->move(577, 529);
    lbl_nagr = new Label(this);
    lbl_nagr->SetFont(WordFont(kBlack));
    lbl_nagr->move(576, 528);
    for (Label* label : {lbl_nagr, lbl_nagr2}) {
        label->SetAutoSize(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void TPrezentacjaForm::CreateProgress() {
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
}

void TPrezentacjaForm::CreateSlots() {
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
        SetAccessibleName(*img[s], "Obrazek " + std::to_string(i + 1));
        SetAccessibleName(*zapyt[s], "Wpisz słowo " + std::to_string(i + 1));
    }
    // The arrows move among the words, the pictures and the question marks
    // shown, each one stop of Tab.
    AddArrowGroup({lbl.begin(), lbl.end()});
    AddArrowGroup({img.begin(), img.end()});
    AddArrowGroup({zapyt.begin(), zapyt.end()});
}

PresentationMode& TPrezentacjaForm::Mode() {
    return const_cast<PresentationMode&>(std::as_const(*this).Mode());
}

const PresentationMode& TPrezentacjaForm::Mode() const {
    if (code_ == kPictureChoiceCode) {
        return choiceView_;
    }
    if (code_ == kTypingDrillCode) {
        return typingView_;
    }
    return pageView_;
}

int TPrezentacjaForm::ListeningPercent() const {
    return ListeningSpeed().Percent();
}

// --- Opening ---------------------------------------------------------------

std::optional<LoadFault> TPrezentacjaForm::ReadLesson() {
    const CourseData& course = CurrentCourse();
    if (auto refusal =
            RefuseVocabulary(course, Lesson(), Lesson().CurrentCode,
                             static_cast<int>(PresentationRows(Lesson().SelectedRows).size()))) {
        return PlainFault(std::move(*refusal));
    }
    return std::nullopt;
}

void TPrezentacjaForm::PrepareLesson() {
    Sounds().ClearSoundQueue();
    code_ = Lesson().CurrentCode;
    recorder_.Reset();
    for (QWidget* w : std::initializer_list<QWidget*>{
             btn_up, btn_dn, btn_mikrofonik, btn_glosniczek, lbl_nagr, lbl_nagr2, img_progress,
             shp_progress, lbl_all_pkt, btn_Odtworz, btn_drukuj, btn_play_all, ed_wpis}) {
        w->hide();
    }
    ed_wpis->SetText("");
    if (Lesson().SelectedCount() > kVocabularyMaxWords) {
        ShowMessage(kTooManyWordsMessage);
    }
    wordOrder_ = Mode().Prepare(PresentationRows(Lesson().SelectedRows));
    page_ = WordPage(static_cast<int>(wordOrder_.size()), code_ == kVocabularyCode);
    btn_help->show();
    btn_polecenie->show();
    PlaceSlots();
    ClearSlots();
}

void TPrezentacjaForm::PlaceSlots() {
    const SteeringRow* row = CurrentCourse().Steering(Lesson().CurrentRow);
    const auto places = GridPlaces();
    // The choice's four pictures stand where the lesson's layout puts them.
    const bool pairs = code_ == kPictureChoiceCode && row != nullptr && row->LayoutCount > 0;
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
    // The pictures appear one by one, 100 ms each, before the instruction.
    startAfterReveal_ = true;
    if (!reveal_.Enabled()) {
        EndReveal();
    }
}

void TPrezentacjaForm::StartLesson() {
    Sounds().StopMedia();
    Sounds().PlayInstruction(CurrentCourse(), code_);
    Mode().Start();
}

void TPrezentacjaForm::LoadBackground() {
    img_tlo->SetBounds(0, 0, 800, 600);
    img_tlo_dn->hide();
    SetColor(kBlack);
    const PresentationBackground background =
        ChooseBackground(CurrentCourse(), Lesson().CurrentRow, code_);
    if (!background.bottom.empty()) {
        img_tlo->SetBounds(0, 0, 800, kSplitTop);
        img_tlo_dn->LoadFromFile(background.bottom);
        img_tlo_dn->show();
        SetColor(kWhite);
    }
    if (!background.top.empty()) {
        img_tlo->LoadFromFile(background.top);
    }
}

// --- The page ----------------------------------------------------------------

const DataRow& TPrezentacjaForm::Row(int dataRow) const {
    return CurrentCourse().DataTable.at(static_cast<std::size_t>(dataRow - 1));
}

int TPrezentacjaForm::RowAt(int position) const {
    return wordOrder_.at(static_cast<std::size_t>(position - 1));
}

std::string TPrezentacjaForm::SoundOf(int dataRow) const {
    return CurrentCourse().DataPath(WordSoundName(Lesson(), Row(dataRow)));
}

void TPrezentacjaForm::ShowPage(bool slowly) {
    const bool interrupted = reveal_.Enabled();
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
        const std::string picture = CurrentCourse().DataPath(WordPictureName(Lesson(), row));
        img[s]->Clear();
        if (FileExists(picture)) {
            img[s]->LoadFromFile(picture);
        } else {
            ShowMessage(kMissingPictureMessage + picture);
        }
        img[s]->Tag = k;
        lbl[s]->Tag = k;
        if (!Mode().Solved(k)) {
            zapyt[s]->Tag = k;
        }
        lbl[s]->SetCaption(row.EnglishText);
        SetHint(*lbl[s], row.PolishText);
        SetCursor(*img[s], Mode().PicturesClick() ? Cursor::HandPoint : Cursor::Arrow);
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
    if (interrupted) {
        EndReveal(); // a page shown at once during the reveal ends it
    }
}

// Each picture is followed by its 100 ms, the last one too.
void TPrezentacjaForm::RevealNext() {
    const int count = page_.LastShown() - page_.FirstShown() + 1;
    if (revealed_ >= count) {
        EndReveal();
        return;
    }
    RevealSlot(++revealed_);
}

void TPrezentacjaForm::EndReveal() {
    reveal_.SetEnabled(false);
    if (startAfterReveal_) {
        startAfterReveal_ = false;
        StartLesson();
    }
}

void TPrezentacjaForm::RevealSlot(int slot) {
    img[static_cast<std::size_t>(slot - 1)]->show();
    Mode().RevealSlot(slot);
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

// --- Hearing a word ----------------------------------------------------------

void TPrezentacjaForm::ImageClick(int slot) {
    Mode().PictureClicked(img[static_cast<std::size_t>(slot - 1)]->Tag);
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
    recorder_.Heard(row);
}

void TPrezentacjaForm::FormClose() {
    reveal_.SetEnabled(false);
    startAfterReveal_ = false;
    Mode().Closed();
    Sounds().SetPlayAllStep(nullptr);
    recorder_.Hide();
    LessonScreen::FormClose();
    img_tlo_dn->Clear();
    ClearSlots();
}

} // namespace lumora
