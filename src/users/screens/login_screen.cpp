#include "login_screen.h"

#include "course/course_data.h"
#include "new_user_screen.h"
#include "platform/message_box.h"
#include "platform/text_helpers.h"
#include "sound/sound_service.h"
#include "users/login.h"
#include "users/run_context.h"
#include "users/user_registry.h"

namespace lumora {

TForm9::TForm9(RunContext& run, UserList& users) : Form(246, 187), run_(run), users_(users) {
    SetKeyPreview(true);
    SetAccessibleTitle("Logowanie");
    Image1 = new Picture(this);
    Image1->SetBounds(0, 0, 246, 187);
    Image1->SetAutoSize(true);
    ComboBox1 = new ListBox(this);
    ComboBox1->SetBounds(25, 25, 196, 114);
    ComboBox1->OnClick = [this] { ComboBox1Click(); };
    SetAccessibleName(*ComboBox1, "Uczniowie");
    SetKeyboardStart(ComboBox1);
    // A selection moved by the arrow keys counts as a click, so B_OK always
    // follows the entry that Enter would log in.
    QObject::connect(ComboBox1, &QListWidget::currentRowChanged, [this](int) { ComboBox1Click(); });
    QObject::connect(ComboBox1, &QListWidget::itemDoubleClicked,
                     [this](QListWidgetItem*) { ComboBox1DblClick(); });
    B_Nowy = MakeButton(89, 6, 29);
    B_Nowy->OnClick = [this] { Button1Click(); };
    B_OK = MakeButton(161, 4, 30);
    B_OK->OnClick = [this] { K_OKClick(); };
    B_Zamknij = MakeButton(199, 5, 31);
    B_Zamknij->OnClick = [this] { K_KoniecClick(); };

    const std::string path = run_.course.UsersPath("usr.t");
    if (const auto faults = users_.Read(path); !faults.empty()) {
        ShowMessage(DescribeUserListFaults(faults, path));
    }
    FillList();
}

TTransparentButton* TForm9::MakeButton(int left, int picture, int hint) {
    auto* button = new TTransparentButton(this);
    button->SetBounds(left, 148, 33, 33);
    button->SetBitmapNormal(picture);
    SetCursor(*button, Cursor::HandPoint);
    SetHint(*button, run_.course.GetHint(hint));
    return button;
}

void TForm9::FillList() {
    ComboBox1->ClearItems();
    for (const auto& user : users_.Entries()) {
        ComboBox1->AddItem(user.Name);
    }
}

void TForm9::SelectLast() {
    if (ComboBox1->Count() > 0) {
        ComboBox1->SetItemIndex(ComboBox1->Count() - 1);
        ComboBox1Click();
    } else {
        B_OK->hide();
    }
}

void TForm9::FormShow() {
    if (!Image1->LoadFromFile(run_.course.DataPath("gfx\\logowanie.bmp"))) {
        return;
    }
    SelectLast();
    run_.sound.PlayFileNow(run_.course.DataPath("polecenia\\l.wav"), false);
}

void TForm9::FormClose() {
    Image1->Clear();
}

void TForm9::ComboBox1Click() {
    const int index = ComboBox1->ItemIndex();
    B_OK->setVisible(index >= 0 && !Trim(ComboBox1->Item(index)).empty());
}

void TForm9::ComboBox1DblClick() {
    if (B_OK->isVisible()) {
        K_OKClick();
    }
}

void TForm9::K_OKClick() {
    const int index = ComboBox1->ItemIndex();
    if (auto error = LogIn(run_.course, run_.session, users_, index + 1, &presence_)) {
        ShowMessage(*error);
        return;
    }
    if (presence_.warning) {
        ShowMessage(*presence_.warning);
    }
    loggedIn_ = true;
    Close();
    run_.sound.StopMedia();
    run_.sound.PlaySound(run_.course.DataPath("polecenia\\menu\\m23.wav"), SoundMode::Interrupt);
}

void TForm9::K_KoniecClick() {
    endRequested_ = true;
    Close();
    run_.sound.StopMedia();
}

void TForm9::Button1Click() {
    run_.sound.StopMedia();
    const int before = users_.Count();
    if (newUser_ != nullptr) {
        newUser_->ShowModal();
    }
    repaint();
    B_OK->hide();
    FillList();
    SelectLast();
    if (users_.Count() > before) {
        K_OKClick();
    }
}

void TForm9::FormKeyDown(int& key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Escape) {
        key = 0;
        K_KoniecClick();
    } else if (IsEnterKey(key)) {
        key = 0;
        if (B_OK->isVisible()) {
            K_OKClick();
        }
    }
}

} // namespace lumora
