#include "options_screen.h"

#include "course/course_data.h"
#include "course/user_settings.h"
#include "options_art.h"
#include "platform/message_box.h"
#include "sound_set_choice.h"
#include "users/run_context.h"

namespace lumora {

TOpcjeForm::TOpcjeForm(RunContext& run)
    : Form(208, 208), run_(run), Image5(new Picture(this)), img_checked(new Picture(this)),
      img_normal(new Picture(this)), Image1(MakeBox(40)), Image2(MakeBox(72)), Image3(MakeBox(104)),
      Image4(MakeBox(136)), Label2(MakeLabel(12, 8, 17)), Label1(MakeLabel(64, 44, 18)),
      Label3(MakeLabel(64, 76, 19)), Label4(MakeLabel(64, 108, 20)), Label5(MakeLabel(64, 140, 21)),
      B_OK(new TTransparentButton(this)) {
    Image5->SetBounds(0, 0, 208, 208);
    Image5->SetImage(OptionsBackgroundArt());
    // The background is the screen's surface: a click on it closes the screen.
    Image5->OnClick = [this] { FormClick(); };
    Image5->SetTabStop(false);
    Image5->SetAccessRole(AccessRole::Decoration);
    SetAccessibleTitle("Opcje");
    // By keys: the arrows among the four sound sets, Space ticks one,
    // Escape closes as OK does.
    const std::array<Picture*, 4> boxes = Boxes();
    const std::array<Label*, 4> names = {Label1, Label3, Label4, Label5};
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        boxes[k]->SetAccessRole(AccessRole::RadioButton);
        SetAccessibleName(*boxes[k], names[k]->Caption());
    }
    AddArrowGroup({boxes.begin(), boxes.end()});
    SetKeyboardStart(Image1);
    OnEscape = [this] { B_OKClick(); };
    img_checked->SetImage(TickedBoxArt());
    img_normal->SetImage(EmptyBoxArt());
    img_checked->hide();
    img_normal->hide();
    B_OK->SetBounds(169, 169, 33, 33);
    B_OK->SetBitmapNormal(4);
    SetCursor(*B_OK, Cursor::HandPoint);
    B_OK->OnClick = [this] { B_OKClick(); };
    SetAccessibleName(*B_OK, "OK");
}

Picture* TOpcjeForm::MakeBox(int top) {
    auto* box = new Picture(this);
    box->SetBounds(32, top, 21, 21);
    box->SetTransparent(true);
    SetCursor(*box, Cursor::HandPoint);
    box->OnClick = [this, box] { Image1Click(*box); };
    return box;
}

Label* TOpcjeForm::MakeLabel(int left, int top, int text) {
    auto* label = new Label(this);
    label->move(left, top);
    label->SetAutoSize(true);
    label->SetCaption(run_.course.GetText(text));
    return label;
}

void TOpcjeForm::Tick(Picture& box, bool ticked) {
    box.SetImage(ticked ? img_checked->Image() : img_normal->Image());
    box.Tag = ticked ? 1 : 0;
    box.SetAccessChecked(ticked);
}

void TOpcjeForm::FormShow() {
    const std::array<Picture*, 4> boxes = Boxes();
    for (Picture* box : boxes) {
        Tick(*box, false);
    }
    const int set = run_.session.settings.SoundSet;
    if (set >= 1 && set <= 4) {
        Tick(*boxes[static_cast<std::size_t>(set - 1)], true);
    }
}

void TOpcjeForm::Image1Click(Picture& box) {
    if (box.Tag == 1) {
        return;
    }
    for (Picture* other : Boxes()) {
        Tick(*other, false);
    }
    Tick(box, true);
}

void TOpcjeForm::B_OKClick() {
    Close();
}

void TOpcjeForm::FormClick() {
    Close();
}

void TOpcjeForm::FormClose() {
    std::array<bool, 4> ticked{};
    const std::array<Picture*, 4> boxes = Boxes();
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        ticked[k] = boxes[k]->Tag == 1;
    }
    UserSettings& settings = run_.session.settings;
    settings.SoundSet = ChosenSoundSet(ticked, settings.SoundSet);
    if (const auto error = SaveUserSettings(run_.course, settings)) {
        ShowMessage(*error);
    }
}

} // namespace lumora
