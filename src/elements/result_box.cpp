#include "result_box.h"

#include "course/course_data.h"
#include "platform/random.h"
#include "platform/text_file.h"
#include "platform/ui/accessibility.h"
#include "result_comment.h"
#include "sound/sound_service.h"

namespace lumora {

TWynik_Form::TWynik_Form(const CourseData& course, SoundService& sound)
    : Form(277, 134), Image1(new Picture(this)), Label1(new Label(this)), btn_exit(new Label(this)),
      btn_back(new Label(this)), course_(course), sound_(sound) {
    Image1->SetBounds(0, 0, 277, 134);
    Label1->SetBounds(20, 28, 185, 53);
    Label1->SetFont({.face = "MS Sans Serif", .pixels = 13, .bold = true, .colour = kWhite});
    Label1->SetWordWrap(true);
    btn_exit->SetBounds(248, 8, 21, 29);
    SetCursor(*btn_exit, Cursor::HandPoint);
    btn_exit->OnClick = [this] { btn_exitClick(); };
    SetAccessibleName(*btn_exit, "Zamknij");
    // Outside the visible box: reached only through Esc.
    btn_back->SetBounds(300, 8, 21, 29);
    SetCursor(*btn_back, Cursor::HandPoint);
    btn_back->OnClick = [this] { btn_backClick(); };
    Timer1.SetInterval(kCloseAfter);
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TWynik_Form::FormShow() {
    Timer1.SetEnabled(false);
    const std::string chosen = course_.DataPath(BackgroundFile);
    Image1->LoadFromFile(!BackgroundFile.empty() && FileExists(chosen)
                             ? chosen
                             : course_.DataPath(kPlainResultBackground));
    Timer1.SetEnabled(true);
}

void TWynik_Form::FormClose() {
    // A box left by Esc must not be closed again by its timer later.
    Timer1.SetEnabled(false);
    Image1->Clear();
}

void TWynik_Form::CloseWithTag(int tag) {
    Timer1.SetEnabled(false);
    Tag = tag;
    Close();
}

void TWynik_Form::btn_exitClick() {
    CloseWithTag(1);
}

void TWynik_Form::btn_backClick() {
    CloseWithTag(0);
}

void TWynik_Form::Timer1Timer() {
    CloseWithTag(1);
}

void TWynik_Form::FormKeyDown(int& key, Qt::KeyboardModifiers) {
    if (IsEnterKey(key)) {
        btn_exitClick();
        key = 0;
    } else if (key == Qt::Key_Escape) {
        btn_back->Click();
        key = 0;
    }
}

std::string ResultCaption(const CourseData& course, int points, int total) {
    return course.GetText(15) + " " + std::to_string(points) + "\r" + course.GetText(16) + " " +
           std::to_string(total);
}

int TWynik_Form::ShowResult(int points, int correct, int wrong, int answered, int items,
                            int total) {
    Label1->SetCaption(ResultCaption(course_, points, total));
    // A screen reader says the points and the total as the box opens.
    SetAccessibleTitle("Wynik");
    Announce(*this, AccessibleNameOf(*Label1));
    BackgroundFile = ResultBackgroundName(correct, wrong, items);
    Randomize();
    const std::string comment = ChooseResultComment(correct, wrong, answered, items);
    if (!comment.empty()) {
        sound_.PlaySound(course_.DataPath("polecenia\\" + comment + ".wav"), SoundMode::Interrupt);
    }
    ShowModal();
    return Tag;
}

} // namespace lumora
