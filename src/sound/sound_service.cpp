#include "sound_service.h"

#include <cctype>
#include <cmath>

#include "course/course_data.h"
#include "platform/media/media_path.h"
#include "platform/message_box.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"

namespace lumora {
namespace {

const std::string kQueueTag = "GRAM";
const std::string kPlayAllTag = "Slowka";

bool PlayableFile(const std::string& path) {
    return !path.empty() && FileExists(path);
}

std::string LowerFileName(const std::string& path) {
    const std::string slashed = ToSlashes(path);
    const std::size_t slash = slashed.rfind('/');
    std::string name = slash == std::string::npos ? slashed : slashed.substr(slash + 1);
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

bool BlankText(const std::string& text) {
    for (const char c : text) {
        if (c != ' ') {
            return false;
        }
    }
    return true;
}

} // namespace

SoundService::SoundService(MediaPlayer& main_player, MediaPlayer& side_player)
    : main_(main_player), side_(side_player) {
    main_.SetNotifyHandler([this](NotifyValue value) { MediaPlayer1Notify(value); });
}

SoundService::~SoundService() {
    main_.SetNotifyHandler(nullptr);
}

void SoundService::PlaySound(const std::string& path, SoundMode mode) {
    switch (mode) {
    case SoundMode::Append:
        if (queueCount_ < kQueueSlots) {
            ++queueCount_;
        }
        queue_[queueCount_ - 1] = path;
        if (main_.Mode() != PlayerMode::Playing) {
            PlayQueueHead();
        }
        break;
    case SoundMode::Next:
        if (main_.Mode() == PlayerMode::Playing) {
            queueCount_ = 2;
            queue_[1] = path;
        } else {
            queueCount_ = 1;
            queue_[0] = path;
            PlayQueueHead();
        }
        break;
    case SoundMode::Interrupt:
        StopMedia();
        ClearSoundQueue();
        queueCount_ = 1;
        queue_[0] = path;
        PlayQueueHead();
        break;
    }
}

void SoundService::PlayQueueHead() {
    const std::string head = MediaFileOnDisk(queue_[0]);
    if (queueCount_ < 0 || !PlayableFile(head)) {
        return;
    }
    playTag_ = kQueueTag;
    if (OpenReporting(main_, head)) {
        main_.Play();
    }
}

void SoundService::MediaPlayer1Notify(NotifyValue value) {
    if (playTag_ == kQueueTag && value == NotifyValue::Successful) {
        if (queueCount_ <= 0) {
            ClearSoundQueue();
        } else {
            AdvanceQueue();
            AfterQueueAdvance();
        }
    }
    if (playTag_ == kPlayAllTag && playAllStep_) {
        playAllStep_();
    }
}

void SoundService::AdvanceQueue() {
    for (int slot = 2; slot <= queueCount_; ++slot) {
        queue_[slot - 2] = queue_[slot - 1];
    }
    queue_[queueCount_ - 1].clear();
    --queueCount_;
    PlayQueueHead();
}

void SoundService::AfterQueueAdvance() {
    // A listening recording that follows its instruction now moves the slider.
    if (LowerFileName(queue_[0]).starts_with("roz_") && mediaTimer_ != nullptr &&
        !mediaTimer_->IsEnabled()) {
        mediaTimer_->Enable();
    }
    // A film that follows its instruction replaces the still picture.
    if (filmMode_ && filmPanel_ != nullptr && !filmPanel_->IsVisible() && !BlankText(queue_[0])) {
        filmPanel_->Show();
        if (filmStill_ != nullptr) {
            filmStill_->Hide();
        }
    }
}

void SoundService::ClearSoundQueue() {
    for (std::string& slot : queue_) {
        slot.clear();
    }
    playTag_.clear();
}

void SoundService::PlayInstruction(const CourseData& course, int number) {
    PlaySound(course.DataPath("polecenia\\" + std::to_string(number) + ".wav"), SoundMode::Next);
}

void SoundService::PlaySideSound(const std::string& path) {
    if (OpenReporting(side_, MediaFileOnDisk(path))) {
        side_.Play();
    }
}

void SoundService::CloseSideSound() {
    const PlayerMode mode = side_.Mode();
    if (mode == PlayerMode::Playing || mode == PlayerMode::Paused) {
        side_.Stop();
    }
    const PlayerMode after = side_.Mode();
    if (after == PlayerMode::Stopped || after == PlayerMode::Open) {
        side_.Close();
    }
}

void SoundService::PlayMedia(const std::string& path, bool wait) {
    const std::string file = MediaFileOnDisk(path);
    if (!PlayableFile(file)) {
        return;
    }
    // The file already held is not reopened, so a paused play resumes.
    if (main_.FileName() != file || main_.Mode() == PlayerMode::NotReady) {
        main_.Close();
        if (!OpenReporting(main_, file)) {
            return;
        }
    }
    main_.SetWait(wait);
    main_.Play();
    if (mediaTimer_ != nullptr) {
        mediaTimer_->Enable();
    }
}

void SoundService::PauseMedia() {
    if (main_.Mode() == PlayerMode::Playing) {
        main_.Pause();
    }
    if (mediaTimer_ != nullptr) {
        mediaTimer_->Disable();
    }
}

void SoundService::StopMedia() {
    const PlayerMode mode = main_.Mode();
    if (mode != PlayerMode::Playing && mode != PlayerMode::Paused) {
        return;
    }
    if (mediaTimer_ != nullptr) {
        mediaTimer_->Disable();
    }
    main_.Stop();
    main_.Seek(0);
}

void SoundService::SeekMedia(int step) {
    // nearbyint rounds halves to the even neighbour.
    const auto step_length = static_cast<std::int64_t>(
        std::nearbyint(static_cast<double>(main_.Length()) / kTrackSteps));
    main_.Seek(step * step_length);
}

void SoundService::PlayFileNow(const std::string& path, bool wait) {
    const std::string file = MediaFileOnDisk(path);
    if (!PlayableFile(file)) {
        return;
    }
    main_.Close();
    if (OpenReporting(main_, file)) {
        main_.SetWait(wait);
        main_.Play();
    }
}

bool SoundService::OpenReporting(MediaPlayer& player, const std::string& path) {
    player.SetFileName(path);
    if (player.Open()) {
        return true;
    }
    ShowMessage(player.ErrorText());
    return false;
}

} // namespace lumora
