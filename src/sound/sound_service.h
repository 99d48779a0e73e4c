#pragma once
// The sound service: one queue of spoken prompts on the main player, immediate
// plays, the transport of the exercise films and recordings, and the praise and
// failure sounds of the learner's sound set. The program makes one on its two
// players at start-up and hands it to the screens; tests build one on fake
// players.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/media/media_player.h"

namespace lumora {

struct CourseData;

enum class SoundMode { Append = 0, Next = 1, Interrupt = 2 };

// The transport track of the exercise screens is this many steps (one per
// pixel); SeekMedia takes a step on it.
inline constexpr int kTrackSteps = 125;

// The exercise screen's position timer, which moves the transport slider.
class MediaTimerHandle {
  public:
    virtual ~MediaTimerHandle() = default;
    virtual void Enable() = 0;
    virtual void Disable() = 0;
    virtual bool IsEnabled() const = 0;
};

// A screen element the service shows or hides: the film panel and the still
// picture shown in the film's place until the film starts.
class ScreenElementHandle {
  public:
    virtual ~ScreenElementHandle() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
};

class SoundService {
  public:
    static constexpr int kQueueSlots = 10;

    // The players are not owned; they must outlive the service.
    SoundService(MediaPlayer& main_player, MediaPlayer& side_player);
    ~SoundService();
    SoundService(const SoundService&) = delete;
    SoundService& operator=(const SoundService&) = delete;

    void PlaySound(const std::string& path, SoundMode mode);
    void PlayQueueHead();
    void MediaPlayer1Notify(NotifyValue value);
    void ClearSoundQueue();
    // Queues the course's "polecenia\<number>.wav" as the next prompt.
    void PlayInstruction(const CourseData& course, int number);
    void PlaySideSound(const std::string& path);
    void CloseSideSound();
    void PlayMedia(const std::string& path, bool wait);
    void PauseMedia();
    void StopMedia();
    void SeekMedia(int step);
    void PlayFileNow(const std::string& path, bool wait);

    // The speed of the main player's plays (1 normal), at the same pitch;
    // the queue and its notifications are the same at every speed.
    void SetTempo(double tempo) { main_.SetTempo(tempo); }

    MediaPlayer& MainPlayer() { return main_; }
    MediaPlayer& SidePlayer() { return side_; }

    // Slot n (1..10) of the queue and the number of slots in use.
    const std::string& SoundQueue(int slot) const { return queue_.at(slot - 1); }
    int SoundQueueCount() const { return queueCount_; }

    const std::string& PlayTag() const { return playTag_; }
    void SetPlayTag(const std::string& tag) { playTag_ = tag; }

    // Registrations of the open exercise screen (nullptr / false: none).
    MediaTimerHandle* MediaTimer() const { return mediaTimer_; }
    void SetMediaTimer(MediaTimerHandle* timer) { mediaTimer_ = timer; }
    bool FilmMode() const { return filmMode_; }
    void SetFilmMode(bool on) { filmMode_ = on; }
    ScreenElementHandle* FilmPanel() const { return filmPanel_; }
    void SetFilmPanel(ScreenElementHandle* panel) { filmPanel_ = panel; }
    ScreenElementHandle* FilmStill() const { return filmStill_; }
    void SetFilmStill(ScreenElementHandle* still) { filmStill_ = still; }

    // The vocabulary presentation's play-all step, run on every end of a play
    // while the tag is "Slowka".
    void SetPlayAllStep(std::function<void()> step) { playAllStep_ = std::move(step); }

  private:
    void AdvanceQueue();
    void AfterQueueAdvance();
    bool OpenReporting(MediaPlayer& player, const std::string& path);

    MediaPlayer& main_;
    MediaPlayer& side_;
    std::array<std::string, kQueueSlots> queue_{};
    int queueCount_ = 0;
    std::string playTag_;
    MediaTimerHandle* mediaTimer_ = nullptr;
    bool filmMode_ = false;
    ScreenElementHandle* filmPanel_ = nullptr;
    ScreenElementHandle* filmStill_ = nullptr;
    std::function<void()> playAllStep_;
};

// "Ok_1.wav" .. "Ok_3.wav" and "No_1.wav" .. "No_3.wav" by the sound set of
// the settings (4 draws one).
std::string PraiseSoundName(int soundSet);
std::string FailureSoundName(int soundSet);
// Returns after the given milliseconds, handling events (and so player
// notifications) all the while.
void WaitWithEvents(int milliseconds);

} // namespace lumora
