#include "page_view.h"

#include "htmlview/html_print.h"
#include "platform/text_file.h"
#include "presentation_screen.h"
#include "word_list_page.h"

namespace lumora {
namespace {

// The play tag that marks a play-all run, so a click on the background or the
// end of each play knows the run is still going.
constexpr const char* kPlayAllTag = "Slowka";
constexpr int kPlayAllPause = 200;

} // namespace

std::vector<int> PageView::Prepare(const std::vector<int>& rows) {
    screen_.btn_drukuj->show();
    screen_.btn_play_all->show();
    return rows;
}

void PageView::PictureClicked(int position) {
    screen_.HearWord(position);
}

void PageView::RevealSlot(int slot) {
    screen_.lbl[static_cast<std::size_t>(slot - 1)]->show();
}

void PageView::Leave() {
    AddPoints(context_.session, context_.session.lesson.CurrentContent, screen_.Code(), 0);
    screen_.Close();
}

void PageView::Closed() {
    context_.sound.SetPlayTag("");
}

void PageView::PlayAll() {
    SoundService& sound = context_.sound;
    sound.SetPlayTag("");
    sound.StopMedia();
    WaitWithEvents(kPlayAllPause);
    // Left during the pause: the run has no page to play any more.
    if (!screen_.isVisible()) {
        return;
    }
    const int position = playAll_.Start(screen_.Pages());
    screen_.ShowPage();
    screen_.ShowArrows();
    if (PlayFrom(position)) {
        sound.SetPlayTag(kPlayAllTag);
    }
}

void PageView::PlayAllStep() {
    const int first = screen_.Pages().FirstShown();
    const int position = playAll_.Step(screen_.Pages());
    const bool playing = PlayFrom(position);
    if (screen_.Pages().FirstShown() != first) {
        screen_.ShowPage();
        screen_.ShowArrows();
    }
    if (!playing) {
        context_.sound.SetPlayTag("");
        context_.sound.StopMedia();
    }
}

bool PageView::PlayFrom(int position) {
    while (position != 0 && !FileExists(screen_.SoundOf(screen_.RowAt(position)))) {
        position = playAll_.Step(screen_.Pages());
    }
    if (position == 0) {
        return false;
    }
    context_.sound.PlayFileNow(screen_.SoundOf(screen_.RowAt(position)), false);
    return true;
}

void PageView::StopPlayAll() {
    if (context_.sound.PlayTag() == kPlayAllTag) {
        context_.sound.SetPlayTag("");
        context_.sound.StopMedia();
    }
}

std::string PageView::WordListHtml() const {
    return JoinPage(WordListPage(context_.course, context_.session.lesson, screen_.WordOrder()));
}

void PageView::Print() {
    if (!context_.dialogs.AskQuestion(context_.course.GetText(7))) {
        return;
    }
    PrintHtmlPage(WordListHtml(), context_.session.lesson.CurrentTopic);
}

} // namespace lumora
