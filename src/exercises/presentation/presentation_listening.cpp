// The vocabulary page's sound side: hearing a word, recording the learner
// and comparing, and playing every word of the lesson in turn.
#include "presentation_screen.h"

#include "course/lesson_kinds.h"
#include "exercises/listening_speed_control.h"
#include "platform/text_file.h"
#include "presentation_words.h"
#include "sound/recording.h"
#include "users/listening_speed.h"
#include "voice_picture.h"

namespace lumora {
namespace {

// The play tag that marks a play-all run, so a click on the background or the
// end of each play knows the run is still going.
constexpr const char* kPlayAllTag = "Slowka";
constexpr int kPlayAllPause = 200;

} // namespace

// --- Hearing and recording words -------------------------------------------

void TPrezentacjaForm::ImageClick(int slot) {
    const int position = img[static_cast<std::size_t>(slot - 1)]->Tag;
    if (code_ == kVocabularyCode) {
        HearWord(position);
    } else if (code_ == kChoiceCode) {
        ChoosePicture(position);
    }
}

void TPrezentacjaForm::LabelClick(int slot) {
    const Label* label = lbl[static_cast<std::size_t>(slot - 1)];
    if (label->isVisible()) {
        HearWord(label->Tag);
    }
}

void TPrezentacjaForm::HearWord(int position) {
    if (position < 1 || position > static_cast<int>(wordOrder_.size())) {
        return;
    }
    const int row = RowAt(position);
    Sounds().PlaySound(SoundOf(row), SoundMode::Interrupt);
    btn_mikrofonik->show();
    btn_glosniczek->hide();
    lbl_nagr->SetCaption(Row(row).EnglishText);
    lbl_nagr2->SetCaption(Row(row).EnglishText);
    lbl_nagr->show();
    lbl_nagr2->show();
    recordRow_ = row;
}

void TPrezentacjaForm::btn_mikrofonikMouseDown() {
    recorded_ = false;
    Sounds().MainPlayer().Close();
    Context().recording.StartRecording();
}

void TPrezentacjaForm::btn_mikrofonikMouseUp() {
    Recording& recording = Context().recording;
    if (recorded_ || !recording.RecordingActive()) {
        return;
    }
    recording.StopRecording(CurrentCourse().UserPath("tmp1.Wav"));
    MediaPlayer& player = Sounds().MainPlayer();
    player.SetFileName(CurrentCourse().UserPath("tmp1.wav"));
    if (player.Open() && player.Length() >= kShortestRecording) {
        recorded_ = true;
        btn_glosniczek->show();
        btn_glosniczekClick();
        CompareVoices(*voices_, CurrentCourse().UserPath("tmp1.wav"), SoundOf(recordRow_),
                      SpeedTempo(ListeningSpeed().Percent()));
        return;
    }
    Dialog().ShowMessageScreen(CurrentCourse().GetText(6));
}

void TPrezentacjaForm::btn_glosniczekClick() {
    Sounds().PlaySound(CurrentCourse().UserPath("tmp1.wav"), SoundMode::Interrupt);
    if (recordRow_ > 0) {
        Sounds().PlaySound(SoundOf(recordRow_), SoundMode::Next);
    }
}

// --- Play-all ----------------------------------------------------------------

void TPrezentacjaForm::btn_play_allClick() {
    Sounds().SetPlayTag("");
    Sounds().StopMedia();
    WaitWithEvents(kPlayAllPause);
    // Left during the pause: the run has no page to play any more.
    if (!isVisible()) {
        return;
    }
    int position = playAll_.Start(page_);
    ShowPage();
    ShowArrows();
    // A word whose sound is missing would never end; the run passes over it.
    while (position != 0 && !FileExists(SoundOf(RowAt(position)))) {
        position = playAll_.Step(page_);
    }
    if (position == 0) {
        return;
    }
    Sounds().PlayFileNow(SoundOf(RowAt(position)), false);
    Sounds().SetPlayTag(kPlayAllTag);
}

void TPrezentacjaForm::PlayAllStep() {
    const int first = page_.FirstShown();
    int position = playAll_.Step(page_);
    while (position != 0 && !FileExists(SoundOf(RowAt(position)))) {
        position = playAll_.Step(page_);
    }
    if (page_.FirstShown() != first) {
        ShowPage();
        ShowArrows();
    }
    if (position == 0) {
        Sounds().SetPlayTag("");
        Sounds().StopMedia();
        return;
    }
    Sounds().PlayFileNow(SoundOf(RowAt(position)), false);
}

void TPrezentacjaForm::img_tloClick() {
    if (Sounds().PlayTag() == kPlayAllTag) {
        Sounds().SetPlayTag("");
        Sounds().StopMedia();
    }
}

} // namespace lumora
