#include "sentence_screen.h"

#include "exercises/common/lesson_keys.h"
#include "exercises/common/verdict.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/ui/fonts.h"

#include <QFontMetrics>

#include <algorithm>

namespace lumora {
namespace {

constexpr int kButtonRow = 548;
constexpr int kFieldHeight = 21;
constexpr int kFieldMaxLength = 40;
const Rgb kPromptColour{0, 0, 128};
const Rgb kProgressColour{40, 150, 60};

std::size_t At(int n) {
    return static_cast<std::size_t>(n);
}

LessonScreenOptions SentenceOptions() {
    LessonScreenOptions options;
    options.exitLeft = 724;
    return options;
}

// The gap text's font, also that of the full sentence (in its own size).
FontSpec SentenceFont() {
    FontSpec font;
    font.face = "Arial";
    font.size = 14;
    return font;
}

FontSpec FieldFont() {
    FontSpec font;
    font.face = "Arial";
    font.pixels = 13;
    font.bold = true;
    return font;
}

// Measures as the frame's canvas does, so the fields placed when a sentence
// is built sit where its paint puts the gaps.
int SentenceWidth(const std::string& text) {
    return QFontMetrics(MakeFont(SentenceFont())).horizontalAdvance(QString::fromStdString(text));
}

Label* MakeLabel(QWidget* parent, const Rect& at, const FontSpec& font) {
    auto* label = new Label(parent);
    label->SetBounds(at.left, at.top, at.width, at.height);
    label->SetFont(font);
    return label;
}

void SetBounds(QWidget& widget, const ScreenRect& r) {
    widget.setGeometry(r.left, r.top, r.width, r.height);
}

} // namespace

TForm2::TForm2(RunContext& context)
    : LessonScreen(context, SentenceOptions()), series_(context.course, context.session.lesson) {}

void TForm2::CreateControls() {
    LessonScreen::CreateControls();
    const CourseData& course = CurrentCourse();
    btn_help->move(8, 15);
    btn_exit->move(724, 15);
    btn_polecenie->move(568, kButtonRow);
    btn_polecenie->SetStyle(0); // never lights up
    SetHint(*btn_help, course.GetHint(21));
    SetHint(*btn_exit, course.GetHint(22));
    SetHint(*btn_polecenie, course.GetHint(26));
    // Frames first, so each picture lies over its frame.
    for (int i = 0; i < kPictures; ++i) {
        Frame[At(i)] = new Shape(this);
        Frame[At(i)]->SetPen(PenSpec{kBlack, 1});
        Frame[At(i)]->SetBrush(BrushSpec{BrushStyle::Clear, kWhite});
        Frame[At(i)]->hide();
    }
    for (int i = 0; i < kPictures; ++i) {
        TMImage* picture = MImage[At(i)] = new TMImage(this);
        picture->Tag = i + 1;
        picture->SetStretch(true);
        SetCursor(*picture, Cursor::HandPoint);
        picture->OnClick = [this, picture] { MImageClick(picture->Tag); };
        picture->setAccessibleName(QString::fromStdString("Obrazek " + std::to_string(i + 1)));
        picture->hide();
    }
    FontSpec promptFont = SentenceFont();
    promptFont.bold = true;
    promptFont.colour = kPromptColour;
    l_tmp = MakeLabel(this, {100, 504, 600, 28}, promptFont);
    l_tmp->SetAlignment(Alignment::Center);
    FontSpec pointsFont = SentenceFont();
    pointsFont.size = 12;
    pointsFont.bold = true;
    L_lektor = MakeLabel(this, {200, 557, 50, 20}, pointsFont);
    shp_progress = new Shape(this);
    shp_progress->SetBounds(39, 559, 152, 14);
    shp_progress->SetPen(PenSpec{kBlack, 1});
    shp_progress->SetBrush(BrushSpec{BrushStyle::Solid, kWhite});
    img_progress = new Shape(this);
    img_progress->SetBounds(40, 560, 0, 12);
    img_progress->SetPen(PenSpec{kProgressColour, 1});
    img_progress->SetBrush(BrushSpec{BrushStyle::Solid, kProgressColour});

    DXRamka2 = new PaintBox(this);
    DXRamka2->Font = SentenceFont();
    DXRamka2->OnPaint = [this](Canvas& canvas) { DXRamka2Paint(canvas); };
    DXRamka2->hide();
    for (auto& field : E_Wpis) {
        field = new EditBox(this);
        SetAccessibleName(*field, "Luka " + std::to_string(&field - E_Wpis.data() + 1));
        field->SetFont(FieldFont());
        field->SetMaxLength(kFieldMaxLength);
        field->resize(kGapFieldWidth, kFieldHeight);
        field->hide();
    }
    FontSpec solutionFont = SentenceFont();
    solutionFont.size = 0;
    solutionFont.pixels = 19;
    Tekst_zdania = MakeLabel(this, {60, 372, 680, 130}, solutionFont);
    Tekst_zdania->SetWordWrap(true);
    Tekst_zdania->hide();

    K_Odtworz = MakeButton(710, kButtonRow, 11, course.GetHint(27));
    K_Odtworz->OnClick = [this] { K_OdtworzClick(); };
    K_ok = MakeButton(382, kButtonRow, 14, course.GetHint(25));
    K_ok->OnClick = [this] { K_okClick(); };
    K_tak = MakeButton(306, kButtonRow, 15, course.GetHint(23));
    K_tak->OnClick = [this] { K_takClick(); };
    K_nie = MakeButton(470, kButtonRow, 16, course.GetHint(24));
    K_nie->OnClick = [this] { K_nieClick(); };
    K_sprawdz = MakeButton(254, kButtonRow, 0, course.GetHint(28));
    K_sprawdz->OnClick = [this] { K_sprawdzClick(); };
    K_slowniczek = MakeButton(640, kButtonRow, 23, course.GetHint(68));
    K_slowniczek->SetStyle(0); // never lights up
    K_slowniczek->OnClick = [this] { K_slowniczekClick(); };
}

std::optional<LoadFault> TForm2::ReadLesson() {
    if (auto refusal = series_.Start()) {
        return PlainFault(std::move(*refusal));
    }
    return std::nullopt;
}

void TForm2::PrepareLesson() {
    Sounds().PlayInstruction(CurrentCourse(), series_.Code());
    NextSentence();
}

LessonScore TForm2::Score() const {
    return series_.Result();
}

void TForm2::FormClose() {
    LessonScreen::FormClose();
    for (TMImage* picture : MImage) {
        picture->Clear();
    }
}

void TForm2::NextSentence() {
    const std::optional<LessonStep> step = series_.Next();
    if (!step) {
        Sounds().StopMedia();
        FinishLesson(Score());
        return;
    }
    ShowMessages(*step);
    ShowPictures();
    ShowGapFrame();
    ShowControls();
    FocusFirstField();
    keys_ = GridCursor(static_cast<int>(KeyChoices().size()), 1);
    PlayCues(*step);
}

void TForm2::Answered(const LessonStep& step) {
    // An answer chosen by keys hands the focus on to the button that goes on,
    // so Enter there does not choose again.
    const std::vector<Control*> choices = KeyChoices();
    const bool choseByKeys =
        std::any_of(choices.begin(), choices.end(), [](const Control* c) { return c->hasFocus(); });
    ShowMessages(step);
    if (step.emptyEntry) {
        for (EditBox* field : E_Wpis) {
            field->SetText("");
        }
        FocusFirstField();
    }
    ShowControls();
    if (choseByKeys && !K_ok->isHidden()) {
        K_ok->setFocus(Qt::OtherFocusReason);
    }
    PlayCues(step);
}

void TForm2::ShowMessages(const LessonStep& step) {
    for (const LoadFault& message : step.messages) {
        LoadReport::Show(message);
    }
}

void TForm2::PlayCues(const LessonStep& step) {
    lumora::PlayCues(CurrentCourse(), Sounds(), Settings().SoundSet, step.cues,
                     series_.SentenceSound());
}

// Each picture of the kind at its place, stretched over it or in its own
// size, with its frame one pixel around it; a missing file leaves its slot
// empty.
void TForm2::ShowPictures() {
    const auto& places = series_.PicturePlacesNow();
    const auto& files = series_.PictureFiles();
    for (std::size_t i = 0; i < MImage.size(); ++i) {
        TMImage& picture = *MImage[i];
        picture.hide();
        Frame[i]->hide();
        if (i >= places.size()) {
            picture.Clear();
            continue;
        }
        const PicturePlace& place = places[i];
        picture.SetAutoSize(false);
        picture.SetStretch(!place.naturalSize);
        SetBounds(picture, place.rect);
        const std::string file = i < files.size() ? files[i] : std::string();
        if (!file.empty() && FileExists(file)) {
            picture.LoadFromFile(file);
        } else {
            picture.Clear();
        }
        picture.SetAutoSize(place.naturalSize);
        SetCursor(picture, series_.PicturesShowHand() ? Cursor::HandPoint : Cursor::Arrow);
        const QRect at = picture.geometry();
        SetBounds(*Frame[i], FrameAround({at.x(), at.y(), at.width(), at.height()}));
        Frame[i]->show();
        picture.show();
    }
}

// The gap sentence's frame and the fields over its gaps, emptied.
void TForm2::ShowGapFrame() {
    gaps_ = GapLayout{};
    for (EditBox* field : E_Wpis) {
        field->SetText("");
        field->hide();
    }
    if (series_.Code() != 9) {
        return;
    }
    const ScreenRect& frame = series_.GapFrame();
    SetBounds(*DXRamka2, frame);
    SetBounds(*Tekst_zdania, frame);
    Tekst_zdania->SetCaption(series_.Solution());
    gaps_ = LayOutGaps(series_.GapTokens(), frame.width, kFieldHeight + 1, SentenceWidth);
    for (std::size_t g = 0; g < E_Wpis.size(); ++g) {
        const GapField& gap = gaps_.fields[g];
        E_Wpis[g]->move(frame.left + gap.x, frame.top + gap.y);
    }
    DXRamka2->update();
}

void TForm2::ShowControls() {
    const SentenceControls& c = series_.Controls();
    l_tmp->SetCaption(c.prompt);
    K_tak->setVisible(c.yesNo);
    K_nie->setVisible(c.yesNo);
    K_ok->setVisible(c.ok);
    K_sprawdz->setVisible(c.check);
    K_slowniczek->setVisible(c.explanation);
    DXRamka2->setVisible(c.gapFrame);
    for (std::size_t g = 0; g < E_Wpis.size(); ++g) {
        E_Wpis[g]->setVisible(c.gapFrame && gaps_.fields[g].Shown());
    }
    Tekst_zdania->setVisible(c.solution);
    img_progress->resize(c.progress, img_progress->height());
    img_progress->setVisible(c.progress > 0);
    L_lektor->SetCaption(std::to_string(series_.TotalPoints()));
    L_lektor->show();
}

void TForm2::FocusFirstField() {
    for (EditBox* field : E_Wpis) {
        if (!field->isHidden()) {
            field->setFocus();
            return;
        }
    }
}

bool TForm2::EntryHasFocus() const {
    for (const EditBox* field : E_Wpis) {
        if (field->hasFocus()) {
            return true;
        }
    }
    return false;
}

void TForm2::DXRamka2Paint(Canvas& canvas) {
    canvas.Font = SentenceFont();
    canvas.Brush.style = BrushStyle::Clear;
    for (const PlacedWord& word : gaps_.words) {
        canvas.TextOut(word.x, word.y, word.text);
    }
}

void TForm2::MImageClick(int tag) {
    Answered(series_.Choose(tag));
}

std::vector<Control*> TForm2::KeyChoices() const {
    std::vector<Control*> choices;
    if (!K_tak->isHidden()) {
        choices = {K_tak, K_nie};
    } else if (series_.PicturesShowHand()) {
        for (TMImage* picture : MImage) {
            if (!picture->isHidden()) {
                choices.push_back(picture);
            }
        }
    }
    return choices;
}

bool TForm2::ChoiceKey(int key, Qt::KeyboardModifiers modifiers) {
    const std::vector<Control*> choices = KeyChoices();
    if (choices.empty() || EntryHasFocus()) {
        return false;
    }
    // A choice that Tab reached is where the arrows start from.
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i]->hasFocus()) {
            keys_.SetIndex(static_cast<int>(i));
        }
    }
    if (const std::optional<KeyStep> step = ArrowStep(key, modifiers)) {
        keys_.Move(AlongList(*step));
        choices[static_cast<std::size_t>(keys_.Index())]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (IsChooseKey(key) && KeysForItems(nullptr) &&
        keys_.Index() < static_cast<int>(choices.size())) {
        choices[static_cast<std::size_t>(keys_.Index())]->Click();
        return true;
    }
    return false;
}

void TForm2::K_takClick() {
    Answered(series_.Choose(1));
}

void TForm2::K_nieClick() {
    Answered(series_.Choose(2));
}

void TForm2::K_sprawdzClick() {
    std::array<std::string, kFields> entries;
    for (std::size_t g = 0; g < entries.size(); ++g) {
        entries[g] = E_Wpis[g]->Text();
    }
    Answered(series_.Check(entries));
}

void TForm2::K_okClick() {
    NextSentence();
}

void TForm2::K_OdtworzClick() {
    Sounds().PlaySound(series_.SentenceSound(), SoundMode::Next);
    L_lektor->show();
}

void TForm2::K_slowniczekClick() {
    Dialog().ShowInformationText(series_.ExplanationText());
}

// Enter checks the gaps or moves on, and never reaches a control; Ctrl+W
// replays the sentence; the entry fields take no key typed with Ctrl; the
// arrows and Space or Enter choose among the answers.
void TForm2::FormKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
    if (series_.OnEnter() == EnterAction::Nothing && ChoiceKey(key, modifiers)) {
        key = 0;
        return;
    }
    if (IsEnterKey(key)) {
        key = 0;
        switch (series_.OnEnter()) {
        case EnterAction::Check:
            K_sprawdzClick();
            break;
        case EnterAction::Next:
            K_okClick();
            break;
        case EnterAction::Nothing:
            break;
        }
        return;
    }
    if ((modifiers & Qt::ControlModifier) == 0) {
        return;
    }
    if (key == Qt::Key_W && K_Odtworz->isVisible()) {
        key = 0;
        K_OdtworzClick();
        return;
    }
    if (EntryHasFocus()) {
        key = 0;
    }
}

} // namespace lumora
