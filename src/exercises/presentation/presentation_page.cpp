// The vocabulary screen's page of eight pictures: which words it shows,
// showing them (at once or one by one), and paging with the arrows.
#include "presentation_screen.h"

#include "course/lesson_kinds.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "presentation_words.h"

namespace lumora {
namespace {

constexpr int kUnderPicture = 5; // the gap between a picture and its word

} // namespace

const DataRow& TPrezentacjaForm::Row(int dataRow) const {
    return CurrentCourse().DataTable.at(static_cast<std::size_t>(dataRow - 1));
}

int TPrezentacjaForm::RowAt(int position) const {
    return wordOrder_.at(static_cast<std::size_t>(position - 1));
}

std::string TPrezentacjaForm::SoundOf(int dataRow) const {
    return CurrentCourse().DataPath(WordSoundName(Lesson(), Row(dataRow)));
}

void TPrezentacjaForm::ShowPage(bool slowly) {
    const bool interrupted = reveal_.Enabled();
    reveal_.SetEnabled(false);
    for (int i = 0; i < kSlots; ++i) {
        img[static_cast<std::size_t>(i)]->hide();
        lbl[static_cast<std::size_t>(i)]->hide();
    }
    const int first = page_.FirstShown();
    const int last = page_.LastShown();
    for (int k = first; k <= last; ++k) {
        const auto s = static_cast<std::size_t>(k - first);
        const DataRow& row = Row(RowAt(k));
        const std::string picture = CurrentCourse().DataPath(WordPictureName(Lesson(), row));
        img[s]->Clear();
        if (FileExists(picture)) {
            img[s]->LoadFromFile(picture);
        } else {
            ShowMessage(kMissingPictureMessage + picture);
        }
        img[s]->Tag = k;
        lbl[s]->Tag = k;
        if (code_ != kTypingDrillCode || !typing_.Solved(k)) {
            zapyt[s]->Tag = k;
        }
        lbl[s]->SetCaption(row.EnglishText);
        SetHint(*lbl[s], row.PolishText);
        SetCursor(*img[s], code_ == kTypingDrillCode ? Cursor::Arrow : Cursor::HandPoint);
        const QRect at = img[s]->geometry();
        lbl[s]->move(at.x() + (at.width() - lbl[s]->width()) / 2, at.bottom() + 1 + kUnderPicture);
        zapyt[s]->move(at.x() + (at.width() - zapyt[s]->width()) / 2,
                       at.bottom() + 1 + kUnderPicture);
    }
    revealed_ = 0;
    const int count = last - first + 1;
    if (slowly && count > 1) {
        RevealNext();
        reveal_.SetEnabled(true);
        return;
    }
    for (int slot = 1; slot <= count; ++slot) {
        RevealSlot(slot);
    }
    if (interrupted) {
        EndReveal(); // a page shown at once during the reveal ends it
    }
}

// Each picture is followed by its 100 ms, the last one too.
void TPrezentacjaForm::RevealNext() {
    const int count = page_.LastShown() - page_.FirstShown() + 1;
    if (revealed_ >= count) {
        EndReveal();
        return;
    }
    RevealSlot(++revealed_);
}

void TPrezentacjaForm::EndReveal() {
    reveal_.SetEnabled(false);
    if (startAfterReveal_) {
        startAfterReveal_ = false;
        StartLesson();
    }
}

void TPrezentacjaForm::RevealSlot(int slot) {
    const auto s = static_cast<std::size_t>(slot - 1);
    img[s]->show();
    if (code_ == kVocabularyCode) {
        lbl[s]->show();
    } else if (code_ == kTypingDrillCode) {
        const bool solved = typing_.Solved(img[s]->Tag);
        lbl[s]->setVisible(solved);
        zapyt[s]->setVisible(!solved);
    }
}

void TPrezentacjaForm::ShowArrows() {
    btn_up->setVisible(page_.UpShown());
    btn_dn->setVisible(page_.DownShown());
}

void TPrezentacjaForm::btn_dnClick() {
    page_.Down();
    ShowPage();
    ShowArrows();
}

void TPrezentacjaForm::btn_upClick() {
    page_.Up();
    ShowPage();
    ShowArrows();
}

} // namespace lumora
