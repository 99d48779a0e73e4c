#include "information_screen.h"

#include "button_strips.h"
#include "course/course_data.h"
#include "help_art.h"
#include "platform/ui/accessibility.h"

namespace lumora {

TInformacjaForm::TInformacjaForm(const CourseData& course)
    : Form(448, 225), Image2(new Picture(this)), Pb1(new PaintBox(this)), B_OK(new Label(this)),
      img_pomoc(new Picture(this)), img_glosnik(new Picture(this)), btn_up(new TFCSImage1(this)),
      btn_dn(new TFCSImage1(this)), Label1(new Label(this)), course_(course) {
    SetKeyPreview(true);
    SetAccessibleTitle("Informacja");
    Image2->SetBounds(0, 0, 448, 225);
    Pb1->SetBounds(8, 52, 397, 163);
    Pb1->OnPaint = [this](Canvas& canvas) { Pb1Paint(canvas); };
    B_OK->SetBounds(416, 8, 25, 29);
    SetCursor(*B_OK, Cursor::HandPoint);
    B_OK->OnClick = [this] { B_OKClick(); };
    SetAccessibleName(*B_OK, "Zamknij");
    img_pomoc->hide();
    img_glosnik->hide();
    SetUpArrow(*btn_up, 54, true, &TInformacjaForm::btn_upClick);
    SetUpArrow(*btn_dn, 182, false, &TInformacjaForm::btn_dnClick);
    SetAccessibleName(*btn_up, "Przewiń w górę");
    SetAccessibleName(*btn_dn, "Przewiń w dół");
    Label1->SetBounds(4, 4, 157, 39);
    SetCursor(*Label1, Cursor::HandPoint);
    Label1->OnMouseDown = [this](Qt::MouseButton, int x, int y) { Label1MouseDown(x, y); };
    Label1->OnMouseMove = [this](int x, int y) { Label1MouseMove(x, y); };
    Label1->OnMouseUp = [this](Qt::MouseButton, int, int) { Label1MouseUp(); };
}

void TInformacjaForm::SetUpArrow(TFCSImage1& arrow, int top, bool up,
                                 void (TInformacjaForm::*click)()) {
    arrow.SetBounds(409, top, 34, 34);
    arrow.SetImage(ScrollArrowArt(up));
    arrow.InitRepeatpause = 400;
    arrow.Repeatpause = 60;
    SetCursor(arrow, Cursor::HandPoint);
    arrow.OnClick = [this, click] { (this->*click)(); };
}

void TInformacjaForm::FormShow() {
    dragging_ = false;
    page_.SplitHelpText(HelpText);
    Announce(*this, page_.ReadAloud());
    btn_up->hide();
    // The inline icons are the screens' own buttons.
    img_pomoc->SetImage(InlineButtonIcon(MyImageList1(), kHelpButtonStrip, HelpIconArt()));
    img_glosnik->SetImage(InlineButtonIcon(MyImageList1(), kPlayButtonStrip, SpeakerIconArt()));
    Image2->LoadFromFile(course_.DataPath("gfx\\polecenie.bmp"));
}

void TInformacjaForm::FormClose() {
    Image2->Clear();
}

void TInformacjaForm::Pb1Paint(Canvas& canvas) {
    const HelpIcons icons{img_pomoc->Image(), img_glosnik->Image()};
    if (const std::optional<bool> down = PaintHelpText(canvas, page_, icons)) {
        btn_dn->setVisible(*down);
    }
}

void TInformacjaForm::ShowArrows(ScrollArrows arrows) {
    btn_up->setVisible(arrows.up);
    btn_dn->setVisible(arrows.down);
    Pb1->update();
}

void TInformacjaForm::btn_dnClick() {
    ShowArrows(page_.ScrollDown());
}

void TInformacjaForm::btn_upClick() {
    ShowArrows(page_.ScrollUp());
}

void TInformacjaForm::B_OKClick() {
    Close();
}

void TInformacjaForm::FormKeyDown(int& key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape || (IsEnterKey(key) && !B_OK->isHidden())) {
        key = 0;
        Close();
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        // The arrows scroll as the arrow buttons do.
        TFCSImage1& arrow = key == Qt::Key_Up ? *btn_up : *btn_dn;
        if (!arrow.isHidden()) {
            arrow.Click();
        }
        key = 0;
    }
}

void TInformacjaForm::Label1MouseDown(int x, int y) {
    dragging_ = true;
    dragX_ = x;
    dragY_ = y;
}

void TInformacjaForm::Label1MouseMove(int x, int y) {
    if (dragging_) {
        move(pos() + QPoint(x - dragX_, y - dragY_));
    }
}

void TInformacjaForm::Label1MouseUp() {
    dragging_ = false;
}

} // namespace lumora
