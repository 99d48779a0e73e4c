#include "word_recorder.h"

#include "exercises/listening_speed_control.h"
#include "presentation_screen.h"
#include "sound/recording.h"
#include "users/listening_speed.h"
#include "voice_picture.h"

namespace lumora {

WordRecorder::WordRecorder(TPrezentacjaForm& screen, RunContext& context)
    : screen_(screen), context_(context) {}

WordRecorder::~WordRecorder() = default;

void WordRecorder::CreatePicture() {
    voices_ = std::make_unique<VoicePicture>(screen_, kVoicePictureArea);
}

void WordRecorder::Reset() {
    recorded_ = false;
    row_ = 0;
}

void WordRecorder::Heard(int dataRow) {
    screen_.btn_mikrofonik->show();
    screen_.btn_glosniczek->hide();
    const std::string& word = screen_.Row(dataRow).EnglishText;
    for (Label* label : {screen_.lbl_nagr, screen_.lbl_nagr2}) {
        label->SetCaption(word);
        label->show();
    }
    row_ = dataRow;
}

void WordRecorder::Start() {
    recorded_ = false;
    context_.sound.MainPlayer().Close();
    context_.recording.StartRecording();
}

void WordRecorder::Stop() {
    Recording& recording = context_.recording;
    if (recorded_ || !recording.RecordingActive()) {
        return;
    }
    const CourseData& course = context_.course;
    recording.StopRecording(course.UserPath("tmp1.Wav"));
    MediaPlayer& player = context_.sound.MainPlayer();
    player.SetFileName(course.UserPath("tmp1.wav"));
    if (player.Open() && player.Length() >= kShortestRecording) {
        recorded_ = true;
        screen_.btn_glosniczek->show();
        PlayBack();
        CompareVoices(*voices_, course.UserPath("tmp1.wav"), screen_.SoundOf(row_),
                      SpeedTempo(screen_.ListeningPercent()));
        return;
    }
    context_.dialogs.ShowMessageScreen(course.GetText(6));
}

void WordRecorder::PlayBack() {
    context_.sound.PlaySound(context_.course.UserPath("tmp1.wav"), SoundMode::Interrupt);
    if (row_ > 0) {
        context_.sound.PlaySound(screen_.SoundOf(row_), SoundMode::Next);
    }
}

void WordRecorder::Hide() {
    if (voices_) {
        voices_->Hide();
    }
}

} // namespace lumora
