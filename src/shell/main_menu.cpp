#include "main_menu.h"

#include "elements/dialogs.h"
#include "options_screen.h"
#include "platform/blocking_wait.h"
#include "platform/message_box.h"
#include "platform/ui/image_file.h"
#include "sound/sound_service.h"
#include "topic_screen.h"
#include "users/run_context.h"
#include "users/screens/best_scores_screen.h"

#include <QApplication>
#include <QEvent>

namespace lumora {
namespace {

constexpr const char* kLinkHint = "Lumora: o programie i pomoc dla ucznia i nauczyciela";

Label* ClickArea(QWidget* parent, int left, int top, int width, int height) {
    auto* area = new Label(parent);
    area->SetBounds(left, top, width, height);
    return area;
}

} // namespace

TForm1::TForm1(RunContext& run, bool courseLoaded) : Form(800, 600), run_(run) {
    SetAccessibleTitle("Menu główne");
    Img_tlo = new Picture(this);
    Img_tlo->SetBounds(0, 0, 800, 600);
    Img_tlo->SetStretch(true);
    CreateTopicPictures();
    CreateClickAreas();
    // By keys: the arrows move among the topics, Tab on to the other buttons,
    // and Escape asks to end as the exit does.
    AddArrowGroup({TopicPictures.begin(), TopicPictures.end()});
    SetKeyboardStart(TopicPictures[0]);
    OnEscape = [this] { k_koniecClick(); };
    frames_.assign(kMenuFrames, QImage());
    if (courseLoaded) {
        SetHintsAndCursors();
    }
}

void TForm1::CreateTopicPictures() {
    for (int t = 1; t <= kMenuTopics; ++t) {
        const MenuTopic& topic = MenuTopics()[static_cast<std::size_t>(t - 1)];
        auto* picture = new TMImage(this);
        picture->SetBounds(topic.left, topic.top, kMenuTopicSize, kMenuTopicSize);
        picture->SetStretch(true);
        picture->setObjectName(topic.control);
        picture->OnClick = [this, t] { TopicClick(t); };
        picture->OnMouseEnter = [this, t] { TopicMouseEnter(t); };
        picture->OnMouseLeave = [this, t] { TopicMouseLeave(t); };
        // A topic the keys reach lights up as under the mouse.
        picture->OnFocus = [this, t](bool focused) {
            focused ? TopicMouseEnter(t) : TopicMouseLeave(t);
        };
        SetAccessibleName(*picture, topic.folder);
        TopicPictures[static_cast<std::size_t>(t - 1)] = picture;
    }
}

void TForm1::CreateClickAreas() {
    lbl_najlepsi = ClickArea(this, 8, 516, 69, 81);
    lbl_najlepsi->OnClick = [this] { lbl_najlepsiClick(); };
    lbl_opcje = ClickArea(this, 88, 560, 37, 33);
    lbl_opcje->OnClick = [this] { lbl_opcjeClick(); };
    lbl_about = ClickArea(this, 76, 16, 233, 73);
    lbl_about->OnClick = [this] { lbl_aboutClick(); };
    SetCursor(*lbl_about, Cursor::HandPoint);
    SetAccessibleName(*lbl_about, "O programie");
    k_koniec = ClickArea(this, 768, 4, 29, 41);
    k_koniec->OnClick = [this] { k_koniecClick(); };
    SetAccessibleName(*k_koniec, "Koniec programu");

    // The artwork draws what the links stand for; the labels show no text.
    btn_www = new TLinkLabel(this);
    btn_www2 = new TLinkLabel(this);
    btn_www->SetBounds(346, 526, 103, 45);
    btn_www2->SetBounds(350, 574, 95, 23);
    // The names match the captions the artwork draws over the links.
    btn_www->PageName = "Strona kursu";
    btn_www2->PageName = "Pomoc";
    for (TLinkLabel* link : {btn_www, btn_www2}) {
        link->LinkType = LinkType::ltfile;
        SetHint(*link, kLinkHint);
        SetAccessibleName(*link, link->PageName);
    }
}

void TForm1::SetHintsAndCursors() {
    const CourseData& course = run_.course;
    btn_www->SetHyperLink(course.DataPath(kAboutPageFile));
    btn_www2->SetHyperLink(course.DataPath(kHelpPageFile));
    btn_www->SetCaption("");
    btn_www2->SetCaption("");
    for (int t = 1; t <= kMenuTopics; ++t) {
        TMImage& picture = *TopicPictures[static_cast<std::size_t>(t - 1)];
        SetCursor(picture, Cursor::HandPoint);
        const MenuTopic& topic = MenuTopics()[static_cast<std::size_t>(t - 1)];
        SetHint(picture, course.GetHint(topic.hint));
        // Screen readers name the topic by its hint, or its folder without one.
        SetAccessibleName(picture, course.GetHint(topic.hint).empty() ? topic.folder : "");
    }
    SetCursor(*lbl_najlepsi, Cursor::HandPoint);
    SetHint(*lbl_najlepsi, course.GetHint(13));
    lbl_opcje->SetCaption("");
    SetHint(*lbl_opcje, course.GetHint(52));
    SetCursor(*lbl_opcje, Cursor::HandPoint);
    SetCursor(*k_koniec, Cursor::HandPoint);
}

void TForm1::FormShow() {
    const CourseData& course = run_.course;
    // A picture that does not load is reported, and the ones after it are
    // not loaded for this showing.
    if (!Img_tlo->LoadFromFile(course.DataPath("Gfx\\main.bmp"))) {
        return;
    }
    for (int k = 1; k <= kMenuFrames; ++k) {
        LoadedImage frame = LoadImageFile(course.DataPath(MenuFrameName(k)));
        if (frame.image.isNull()) {
            ShowMessage(frame.error);
            return;
        }
        frames_[static_cast<std::size_t>(k - 1)] = std::move(frame.image);
    }
}

// The main menu is the main screen: closing it ends the program. The event
// loop ends at once; asking the other windows to close first would let any
// screen still up keep the program running.
void TForm1::FormClose() {
    Img_tlo->Clear();
    QCoreApplication::exit(0);
}

bool TForm1::event(QEvent* e) {
    const bool handled = Form::event(e);
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return handled;
}

void TForm1::FormActivate() {
    if (run_.session.settings.AnimMenu == 1) {
        IntroAnimation();
    } else {
        StillPreparation();
    }
}

void TForm1::StillPreparation() {
    if (PicturesReady) {
        return;
    }
    ResetTopicPictures();
    PicturesReady = true;
}

void TForm1::IntroAnimation() {
    repaint();
    if (PicturesReady) {
        return;
    }
    for (const auto& step : IntroFrames()) {
        for (int t = 1; t <= kMenuTopics; ++t) {
            if (const int frame = step[static_cast<std::size_t>(t - 1)]; frame != 0) {
                ShowFrame(frame, *TopicPictures[static_cast<std::size_t>(t - 1)]);
            }
        }
        BlockingWait(kIntroWaitMs);
    }
    PicturesReady = true;
}

void TForm1::ShowFrame(int k, TMImage& picture) {
    for (int t = 1; t <= kMenuTopics; ++t) {
        if (TopicPictures[static_cast<std::size_t>(t - 1)] == &picture) {
            frameShown_[static_cast<std::size_t>(t - 1)] = k;
        }
    }
    picture.SetImage(frames_[static_cast<std::size_t>(k - 1)]);
    picture.repaint();
}

void TForm1::ResetTopicPictures() {
    for (int t = 1; t <= kMenuTopics; ++t) {
        ShowFrame(FirstFrame(t), *TopicPictures[static_cast<std::size_t>(t - 1)]);
    }
}

void TForm1::TopicMouseEnter(int t) {
    for (int k : HoverInFrames(t)) {
        ShowFrame(k, *TopicPictures[static_cast<std::size_t>(t - 1)]);
        BlockingWait(kHoverInWaitMs);
    }
}

void TForm1::TopicMouseLeave(int t) {
    for (int k : HoverOutFrames(t)) {
        ShowFrame(k, *TopicPictures[static_cast<std::size_t>(t - 1)]);
        BlockingWait(kHoverOutWaitMs);
    }
}

void TForm1::TopicClick(int t) {
    const MenuTopic& topic = MenuTopics()[static_cast<std::size_t>(t - 1)];
    run_.session.lesson.CurrentTopic = topic.folder;
    if (targets_.topics != nullptr) {
        targets_.topics->Show();
    }
    run_.sound.PlaySound(run_.course.DataPath(topic.sound), SoundMode::Interrupt);
}

void TForm1::lbl_najlepsiClick() {
    if (targets_.bestScores != nullptr) {
        targets_.bestScores->Show();
    }
}

void TForm1::lbl_aboutClick() {
    run_.dialogs.ShowInformationText(run_.course.GetText(14));
}

void TForm1::lbl_opcjeClick() {
    run_.sound.PlaySound(run_.course.DataPath("polecenia\\menu\\m26.wav"), SoundMode::Interrupt);
    if (targets_.options != nullptr) {
        targets_.options->ShowModal();
    }
}

void TForm1::k_koniecClick() {
    if (!run_.dialogs.AskQuestion(run_.course.GetText(3))) {
        return;
    }
    repaint();
    run_.sound.PlayFileNow(run_.course.DataPath("polecenia\\e.wav"), true);
    endConfirmed_ = true;
    Close();
}

} // namespace lumora
