// The two drills on the vocabulary screen: choosing the picture of the word
// heard, and typing the English word under each picture.
#include "presentation_screen.h"

#include "course/lesson_kinds.h"
#include "platform/text_helpers.h"
#include "presentation_words.h"

namespace lumora {

// --- The picture choice ------------------------------------------------------

void TPrezentacjaForm::btn_OdtworzClick() {
    if (code_ == kChoiceCode && !choice_.Finished()) {
        Sounds().PlaySound(SoundOf(choice_.Target()), SoundMode::Next);
    }
}

void TPrezentacjaForm::PlayFeedback(bool right, SoundMode mode) {
    const std::string name =
        right ? PraiseSoundName(Settings().SoundSet) : FailureSoundName(Settings().SoundSet);
    Sounds().PlaySound(CurrentCourse().DataPath("wav\\" + name), mode);
}

void TPrezentacjaForm::ChoosePicture(int slot) {
    if (choice_.Finished()) {
        return;
    }
    const ChoiceDrill::Answer answer = choice_.Choose(slot);
    PlayFeedback(answer.right, SoundMode::Interrupt);
    lbl_all_pkt->SetCaption(CurrentCourse().GetText(1) + std::to_string(choice_.Points()));
    img_progress->resize(choice_.ProgressWidth(), img_progress->height());
    if (answer.finished) {
        FinishDrill();
        return;
    }
    wordOrder_ = choice_.Round();
    ShowPage();
    btn_OdtworzClick();
}

// --- The typing drill ----------------------------------------------------------

void TPrezentacjaForm::ZapytClick(int slot) {
    const Picture* mark = zapyt[static_cast<std::size_t>(slot - 1)];
    if (code_ != kTypingDrillCode || typing_.Solved(mark->Tag)) {
        return;
    }
    OpenEntry(mark->Tag);
}

void TPrezentacjaForm::OpenEntry(int position) {
    if (position < 1 || position > typing_.Count()) {
        return;
    }
    const Picture* mark = zapyt[static_cast<std::size_t>(position - 1)];
    ed_wpis->move(mark->pos());
    ed_wpis->setProperty("position", position);
    ed_wpis->SetText("");
    ed_wpis->show();
    ed_wpis->raise();
    ed_wpis->setFocus();
}

bool TPrezentacjaForm::FormShortCut(int key, Qt::KeyboardModifiers) {
    if (code_ != kTypingDrillCode || !ed_wpis->isVisible()) {
        return false;
    }
    if (IsEnterKey(key)) {
        EnterTyped();
        return true;
    }
    if (key == Qt::Key_Tab) {
        if (!typing_.Finished()) {
            OpenEntry(typing_.NextOpen(ed_wpis->property("position").toInt()));
        }
        return true;
    }
    return false;
}

void TPrezentacjaForm::EnterTyped() {
    const int position = ed_wpis->property("position").toInt();
    if (position < 1 || position > typing_.Count()) {
        return;
    }
    const TypingDrill::Answer answer =
        typing_.Enter(position, ed_wpis->Text(), Row(RowAt(position)).EnglishText);
    if (!answer.right) {
        PlayFeedback(false, SoundMode::Interrupt);
        ed_wpis->SetText("");
        return;
    }
    const auto s = static_cast<std::size_t>(position - page_.FirstShown());
    zapyt[s]->hide();
    zapyt[s]->Tag = 0;
    lbl[s]->show();
    ed_wpis->hide();
    PlayFeedback(true, SoundMode::Next);
    if (answer.finished) {
        FinishDrill();
        return;
    }
    OpenEntry(answer.next);
}

} // namespace lumora
