// The sound service's free functions, acting on the installed service, and
// the choice of praise and failure sounds.
#include "course/course_data.h"
#include "media_holder.h"
#include "platform/media/event_wait.h"
#include "platform/random.h"
#include "sound_service.h"

namespace lumora {
namespace {

SoundService*& Installed() {
    static SoundService* service = nullptr;
    return service;
}

// Sound set 4 draws its set: praise 1..15 in three equal bands, failure 1 or 2.
constexpr int kPraiseDraw = 15;
constexpr int kPraiseBand = 5;
constexpr int kFailureSets = 2;
constexpr int kRandomSet = 4;

int FixedSet(int sound_set) {
    return sound_set >= 1 && sound_set <= 3 ? sound_set : 1;
}

} // namespace

SoundService* InstallSoundService(SoundService* service) {
    SoundService* previous = Installed();
    Installed() = service;
    return previous;
}

SoundService& Sound() {
    return Installed() != nullptr ? *Installed() : TheMediaHolder().Service();
}

std::string PraiseSoundName() {
    const int sound_set = Course().SoundSet;
    int set = FixedSet(sound_set);
    if (sound_set == kRandomSet) {
        Randomize();
        set = Random(kPraiseDraw) / kPraiseBand + 1;
    }
    return "Ok_" + std::to_string(set) + ".wav";
}

std::string FailureSoundName() {
    const int sound_set = Course().SoundSet;
    int set = FixedSet(sound_set);
    if (sound_set == kRandomSet) {
        Randomize();
        set = Random(kFailureSets) + 1;
    }
    return "No_" + std::to_string(set) + ".wav";
}

void WaitWithEvents(int milliseconds) {
    ProcessEventsFor(milliseconds);
}

void PlaySound(const std::string& path, SoundMode mode) {
    Sound().PlaySound(path, mode);
}
void ClearSoundQueue() {
    Sound().ClearSoundQueue();
}
void PlayInstruction(int number) {
    Sound().PlayInstruction(number);
}
void PlaySideSound(const std::string& path) {
    Sound().PlaySideSound(path);
}
void CloseSideSound() {
    Sound().CloseSideSound();
}
void PlayMedia(const std::string& path, bool wait) {
    Sound().PlayMedia(path, wait);
}
void PauseMedia() {
    Sound().PauseMedia();
}
void StopMedia() {
    Sound().StopMedia();
}
void SeekMedia(int step) {
    Sound().SeekMedia(step);
}
void PlayFileNow(const std::string& path, bool wait) {
    Sound().PlayFileNow(path, wait);
}

void SetMediaTimer(MediaTimerHandle* timer) {
    Sound().SetMediaTimer(timer);
}
MediaTimerHandle* MediaTimer() {
    return Sound().MediaTimer();
}
void SetFilmMode(bool on) {
    Sound().SetFilmMode(on);
}
bool FilmMode() {
    return Sound().FilmMode();
}
void SetFilmPanel(ScreenElementHandle* panel) {
    Sound().SetFilmPanel(panel);
}
ScreenElementHandle* FilmPanel() {
    return Sound().FilmPanel();
}
void SetFilmStill(ScreenElementHandle* still) {
    Sound().SetFilmStill(still);
}
ScreenElementHandle* FilmStill() {
    return Sound().FilmStill();
}
const std::string& PlayTag() {
    return Sound().PlayTag();
}
void SetPlayTag(const std::string& tag) {
    Sound().SetPlayTag(tag);
}
void SetPlayAllStep(std::function<void()> step) {
    Sound().SetPlayAllStep(std::move(step));
}
MediaPlayer& MainPlayer() {
    return Sound().MainPlayer();
}
MediaPlayer& SidePlayer() {
    return Sound().SidePlayer();
}

} // namespace lumora
