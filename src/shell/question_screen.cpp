#include "question_screen.h"

#include "course/course_data.h"
#include "platform/ui/accessibility.h"

namespace lumora {
namespace {

void SetUpButton(TTransparentButton& button, int left, int picture, const std::string& hint) {
    button.SetBounds(left, 97, 33, 33);
    button.SetBitmapNormal(picture);
    SetCursor(button, Cursor::HandPoint);
    SetHint(button, hint);
}

} // namespace

TQuestionForm::TQuestionForm(const CourseData& course)
    : Form(246, 138), Image1(new Picture(this)), Label1(new Label(this)),
      B_OK(new TTransparentButton(this)), B_Zamknij(new TTransparentButton(this)), course_(course) {
    Image1->SetAutoSize(true);
    Label1->SetBounds(16, 16, 213, 73);
    Label1->SetWordWrap(true);
    Label1->SetFont({.face = "MS Sans Serif", .size = 10, .bold = true, .colour = kWhite});
    SetUpButton(*B_OK, 137, 4, course.GetHint(34));
    SetUpButton(*B_Zamknij, 179, 5, course.GetHint(35));
    B_OK->OnClick = [this] { B_OKClick(); };
    B_Zamknij->OnClick = [this] { B_ZamknijClick(); };
    SetAccessibleTitle("Pytanie");
}

void TQuestionForm::FormShow() {
    Tag = 0;
    Image1->LoadFromFile(course_.DataPath("gfx\\question1.bmp"));
    Announce(*this, AccessibleNameOf(*Label1));
}

void TQuestionForm::FormClose() {
    Image1->Clear();
}

void TQuestionForm::B_OKClick() {
    Tag = 1;
    Close();
}

void TQuestionForm::B_ZamknijClick() {
    Close();
}

bool TQuestionForm::FormShortCut(int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape) {
        B_ZamknijClick();
        return true;
    }
    if (IsEnterKey(key)) {
        B_OKClick();
        return true;
    }
    return false;
}

} // namespace lumora
