#include "presentation_screen.h"

#include "course/lesson_kinds.h"
#include "exercises/listening_speed_control.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "presentation_words.h"
#include "sound/recording.h"

namespace lumora {
namespace {

constexpr int kSplitTop = 42;    // the "_up" band's height
constexpr int kUnderPicture = 5; // the gap between a picture and its word

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
    const auto places = SlotGridPlaces();
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
