#include "presentation_screen.h"

#include "course/lesson_kinds.h"
#include "htmlview/html_print.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "platform/ui/fonts.h"
#include "presentation_art.h"
#include "presentation_words.h"
#include "voice_picture.h"
#include "word_list_page.h"

namespace lumora {
namespace {

constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 190;
constexpr int kSplitTop = 42;   // the "_up" band's height
constexpr int kLowerBand = 508; // where the "_dn" band starts
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

TPrezentacjaForm::TPrezentacjaForm(RunContext& context)
    : LessonScreen(context, PresentationOptions()) {}

void TPrezentacjaForm::CreateControls() {
    LessonScreen::CreateControls();
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
    // Lit, not pressed, while held: its strip has no pressed frame.
    btn_mikrofonik = MakeButton(577, 549, 9, course.GetHint(18));
    btn_mikrofonik->OnMouseDown = [this](Qt::MouseButton button, int, int) {
        if (button == Qt::LeftButton) {
            btn_mikrofonikMouseDown();
        }
    };
    btn_mikrofonik->OnMouseUp = [this](Qt::MouseButton, int, int) { btn_mikrofonikMouseUp(); };
    btn_glosniczek = MakeButton(639, 548, 10, course.GetHint(19));
    btn_glosniczek->SetStyle(0); // never lights up
    btn_glosniczek->OnClick = [this] { btn_glosniczekClick(); };
    btn_Odtworz = MakeButton(710, 548, 11, course.GetHint(20));
    btn_Odtworz->OnClick = [this] { btn_OdtworzClick(); };
    voices_ = std::make_unique<VoicePicture>(*this, kVoicePictureArea);

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
    const CourseData& course = CurrentCourse();
    Sounds().ClearSoundQueue();
    code_ = Lesson().CurrentCode;
    recorded_ = false;
    recordRow_ = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{btn_up, btn_dn, btn_mikrofonik,
                                                      btn_glosniczek, lbl_nagr, lbl_nagr2}) {
        w->hide();
    }
    ed_wpis->SetText("");
    ed_wpis->hide();
    if (Lesson().SelectedCount() > kVocabularyMaxWords) {
        ShowMessage(kTooManyWordsMessage);
    }
    rows_ = PresentationRows(Lesson().SelectedRows);
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
    const SteeringRow* row = CurrentCourse().Steering(Lesson().CurrentRow);
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
    // The pictures appear one by one, 100 ms each, before the instruction.
    startAfterReveal_ = true;
    if (!reveal_.Enabled()) {
        EndReveal();
    }
}

void TPrezentacjaForm::StartLesson() {
    Sounds().StopMedia();
    Sounds().PlayInstruction(CurrentCourse(), code_);
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
    const SteeringRow* row = course.Steering(Lesson().CurrentRow);
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
    startAfterReveal_ = false;
    Sounds().SetPlayTag("");
    Sounds().SetPlayAllStep(nullptr);
    voices_->Hide();
    LessonScreen::FormClose();
    img_tlo_dn->Clear();
    ClearSlots();
}

// --- Printing and leaving ------------------------------------------------------

std::string TPrezentacjaForm::WordListHtml() const {
    return JoinPage(WordListPage(CurrentCourse(), Lesson(), wordOrder_));
}

void TPrezentacjaForm::btn_drukujClick() {
    if (!Dialog().AskQuestion(CurrentCourse().GetText(7))) {
        return;
    }
    PrintHtmlPage(WordListHtml(), Lesson().CurrentTopic);
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
    AddPoints(Context().session, Lesson().CurrentContent, code_, 0);
    Close();
}

} // namespace lumora
