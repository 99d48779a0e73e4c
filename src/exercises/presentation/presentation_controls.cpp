// The vocabulary screen's controls, made once: the buttons in their table,
// the word to record, the choice's points and progress bar, and the eight
// picture slots with their words and question marks.
#include "presentation_screen.h"

#include "platform/ui/fonts.h"
#include "presentation_art.h"
#include "sound/recording.h"

namespace lumora {
namespace {

constexpr int kLowerBand = 508; // where the "_dn" band starts
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

} // namespace

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
    const auto places = SlotGridPlaces();
    const QImage question = QuestionMarkArt();
    for (int i = 0; i < kSlots; ++i) {
        const auto s = static_cast<std::size_t>(i);
        img[s] = new Picture(this);
        img[s]->SetBounds(places[s].first, places[s].second, kSlotPictureWidth, kSlotPictureHeight);
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

} // namespace lumora
