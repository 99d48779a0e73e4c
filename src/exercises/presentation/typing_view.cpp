#include "typing_view.h"

#include "exercises/common/verdict.h"
#include "platform/message_box.h"
#include "presentation_screen.h"
#include "presentation_words.h"

namespace lumora {

std::vector<int> TypingView::Prepare(const std::vector<int>& rows) {
    if (static_cast<int>(rows.size()) < TypingDrill::kWords) {
        ShowMessage(kTooFewToTypeMessage);
    }
    drill_ = TypingDrill(rows);
    return drill_.Words();
}

void TypingView::RevealSlot(int slot) {
    const auto s = static_cast<std::size_t>(slot - 1);
    const bool solved = drill_.Solved(screen_.img[s]->Tag);
    screen_.lbl[s]->setVisible(solved);
    screen_.zapyt[s]->setVisible(!solved);
}

void TypingView::QuestionClicked(int slot) {
    const Picture* mark = screen_.zapyt[static_cast<std::size_t>(slot - 1)];
    if (screen_.Code() != kTypingDrillCode || drill_.Solved(mark->Tag)) {
        return;
    }
    OpenEntry(mark->Tag);
}

void TypingView::OpenEntry(int position) {
    if (position < 1 || position > drill_.Count()) {
        return;
    }
    const Picture* mark = screen_.zapyt[static_cast<std::size_t>(position - 1)];
    EditBox& entry = *screen_.ed_wpis;
    entry.move(mark->pos());
    entry.setProperty("position", position);
    entry.SetText("");
    entry.show();
    entry.raise();
    entry.setFocus();
}

bool TypingView::ShortCut(int key) {
    if (!screen_.ed_wpis->isVisible()) {
        return false;
    }
    if (IsEnterKey(key)) {
        EnterTyped();
        return true;
    }
    if (key == Qt::Key_Tab) {
        if (!drill_.Finished()) {
            OpenEntry(drill_.NextOpen(screen_.ed_wpis->property("position").toInt()));
        }
        return true;
    }
    return false;
}

void TypingView::EnterTyped() {
    EditBox& entry = *screen_.ed_wpis;
    const int position = entry.property("position").toInt();
    if (position < 1 || position > drill_.Count()) {
        return;
    }
    const TypingDrill::Answer answer =
        drill_.Enter(position, entry.Text(), screen_.Row(screen_.RowAt(position)).EnglishText);
    const int soundSet = context_.session.settings.SoundSet;
    if (!answer.right) {
        PlayCues(context_.course, context_.sound, soundSet, {VerdictCue(false, true)});
        entry.SetText("");
        return;
    }
    const auto s = static_cast<std::size_t>(position - screen_.Pages().FirstShown());
    screen_.zapyt[s]->hide();
    screen_.zapyt[s]->Tag = 0;
    screen_.lbl[s]->show();
    entry.hide();
    PlayCues(context_.course, context_.sound, soundSet, {VerdictCue(true, false)});
    if (answer.finished) {
        screen_.FinishDrill();
        return;
    }
    OpenEntry(answer.next);
}

LessonScore TypingView::Score() const {
    return {drill_.Points(), drill_.Right(), drill_.Wrong(), drill_.Right() + drill_.Wrong(),
            drill_.Count()};
}

void TypingView::Leave() {
    screen_.FinishDrill();
}

} // namespace lumora
