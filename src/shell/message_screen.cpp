#include "message_screen.h"

#include "course/course_data.h"
#include "platform/ui/accessibility.h"

namespace lumora {

TForm20::TForm20(const CourseData& course)
    : Form(455, 101), img_tlo(new Picture(this)), Label1(new Label(this)), B_OK(new Label(this)),
      course_(course) {
    SetKeyPreview(true);
    SetAccessibleTitle("Komunikat");
    img_tlo->SetBounds(0, 0, 455, 101);
    img_tlo->SetStretch(true);
    Label1->SetBounds(16, 43, 425, 49);
    Label1->SetWordWrap(true);
    Label1->SetFont({.face = "MS Sans Serif", .size = 10, .colour = kBlack});
    B_OK->SetBounds(428, 4, 25, 29);
    SetCursor(*B_OK, Cursor::HandPoint);
    B_OK->OnClick = [this] { B_OKClick(); };
    SetAccessibleName(*B_OK, "Zamknij");
}

void TForm20::FormShow() {
    img_tlo->LoadFromFile(course_.DataPath("gfx\\informacja.bmp"));
    Announce(*this, AccessibleNameOf(*Label1));
}

void TForm20::FormClose() {
    img_tlo->Clear();
}

void TForm20::B_OKClick() {
    Close();
}

void TForm20::FormKeyDown(int& key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape || (IsEnterKey(key) && !B_OK->isHidden())) {
        key = 0;
        Close();
    }
}

} // namespace lumora
