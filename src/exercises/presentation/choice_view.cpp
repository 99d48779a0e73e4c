#include "choice_view.h"

#include "exercises/common/verdict.h"
#include "presentation_screen.h"
#include "presentation_words.h"

namespace lumora {

std::vector<int> ChoiceView::Prepare(const std::vector<int>& rows) {
    drill_ = ChoiceDrill(rows);
    for (QWidget* w : std::initializer_list<QWidget*>{screen_.img_progress, screen_.shp_progress,
                                                      screen_.lbl_all_pkt, screen_.btn_Odtworz}) {
        w->show();
    }
    // The first caption has the space twice, as the course's texts always had.
    screen_.lbl_all_pkt->SetCaption(context_.course.GetText(1) + " 0");
    screen_.img_progress->resize(0, screen_.img_progress->height());
    return drill_.Round();
}

void ChoiceView::PlayTarget() {
    if (screen_.Code() == kPictureChoiceCode && !drill_.Finished()) {
        context_.sound.PlaySound(screen_.SoundOf(drill_.Target()), SoundMode::Next);
    }
}

void ChoiceView::PictureClicked(int position) {
    if (drill_.Finished()) {
        return;
    }
    const ChoiceDrill::Answer answer = drill_.Choose(position);
    PlayCues(context_.course, context_.sound, context_.session.settings.SoundSet,
             {VerdictCue(answer.right, true)});
    ShowPoints();
    if (answer.finished) {
        screen_.FinishDrill();
        return;
    }
    screen_.SetWordOrder(drill_.Round());
    screen_.ShowPage();
    PlayTarget();
}

void ChoiceView::ShowPoints() {
    screen_.lbl_all_pkt->SetCaption(context_.course.GetText(1) + std::to_string(drill_.Points()));
    screen_.img_progress->resize(drill_.ProgressWidth(), screen_.img_progress->height());
}

LessonScore ChoiceView::Score() const {
    return {drill_.Points(), drill_.Right(), drill_.Wrong(), drill_.Right() + drill_.Wrong(),
            drill_.QuestionCount()};
}

void ChoiceView::Leave() {
    screen_.FinishDrill();
}

} // namespace lumora
