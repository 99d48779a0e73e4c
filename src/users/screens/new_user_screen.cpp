#include "new_user_screen.h"

#include "course/course_data.h"
#include "elements/dialogs.h"
#include "platform/cp1250.h"
#include "platform/message_box.h"
#include "platform/text_helpers.h"
#include "users/run_context.h"
#include "users/user_registry.h"

namespace lumora {

std::string NewUserWelcomeText(const CourseData& c) {
    return c.GetText(8) + " <br> <br> " + c.GetText(9) + " <br> " + c.GetText(10) + " <br> " +
           c.GetText(11) + " <br> " + c.GetText(12);
}

TForm10::TForm10(RunContext& run, UserList& users) : Form(280, 106), run_(run), users_(users) {
    SetKeyPreview(true);
    SetAccessibleTitle("Nowy uczeń");
    img_tlo = new Picture(this);
    img_tlo->SetBounds(0, 0, 280, 106);
    img_tlo->SetAutoSize(true);

    Label1 = new Label(this);
    FontSpec font;
    font.face = "MS Sans Serif";
    font.size = 8;
    font.bold = true;
    font.colour = kWhite;
    Label1->SetFont(font);
    Label1->SetAlignment(Alignment::Right);
    Label1->SetBounds(0, 36, 74, 16);
    Label1->SetCaption(run_.course.GetText(4));

    Edit1 = new EditBox(this);
    Edit1->SetBounds(80, 32, 169, 21);
    Edit1->SetMaxLength(UserList::kMaxNameLength);
    Edit1->OnChange = [this] { Edit1Change(); };
    SetAccessibleName(*Edit1, Label1->Caption());

    B_OK = new TTransparentButton(this);
    B_OK->SetBounds(181, 69, 33, 33);
    B_OK->SetBitmapNormal(4);
    B_OK->hide();
    B_OK->OnClick = [this] { K_OKClick(); };
    B_Zamknij = new TTransparentButton(this);
    B_Zamknij->SetBounds(233, 69, 33, 33);
    B_Zamknij->SetBitmapNormal(5);
    B_Zamknij->OnClick = [this] { K_KoniecClick(); };
    SetCursor(*B_OK, Cursor::HandPoint);
    SetCursor(*B_Zamknij, Cursor::HandPoint);
    SetHint(*B_OK, run_.course.GetHint(32));
    SetHint(*B_Zamknij, run_.course.GetHint(33));
}

void TForm10::FormShow() {
    img_tlo->LoadFromFile(run_.course.DataPath("gfx\\nowy_user.bmp"));
    Edit1->SetText("");
    Edit1Change();
    Edit1->setFocus();
}

void TForm10::FormClose() {
    img_tlo->Clear();
}

void TForm10::Edit1Change() {
    B_OK->setVisible(Utf8Length(Trim(Edit1->Text())) > 1);
}

void TForm10::ShowRefusal(const std::string& text) {
    run_.dialogs.ShowMessageScreen(text);
}

void TForm10::K_OKClick() {
    const auto added = users_.AddAndSave(run_.course.UsersPath("usr.t"), Edit1->Text());
    switch (added.result) {
    case UserList::NameCheck::Duplicate:
        ShowRefusal(kDuplicateUserMessage);
        Edit1->SetText("");
        Edit1Change();
        return;
    case UserList::NameCheck::Unwritable:
        // The learner changes only the character, not the whole name.
        ShowRefusal(UnwritableCharacterMessage(added.detail));
        return;
    case UserList::NameCheck::Full:
        ShowMessage("Lista może pomieścić najwyżej " + std::to_string(UserList::kMaxUsers) +
                    " uczniów.");
        return;
    case UserList::NameCheck::Failed:
        ShowMessage(added.detail);
        return;
    case UserList::NameCheck::Accepted:
        break;
    }
    run_.dialogs.ShowInformationText(NewUserWelcomeText(run_.course));
    Close();
}

void TForm10::K_KoniecClick() {
    Close();
}

void TForm10::FormKeyDown(int& key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape) {
        key = 0;
        K_KoniecClick();
    } else if (IsEnterKey(key)) {
        key = 0; // Enter never reaches the edit box
        if (B_OK->isVisible()) {
            K_OKClick();
        }
    }
}

} // namespace lumora
