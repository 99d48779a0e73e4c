#pragma once
// The soak itself: the program's screens made as at start-up, the login and
// the main menu's loop run as the program runs them, and a timer that sends
// one input step at a time to whatever window is up. The timer's next step is
// due before the current one is sent, so a step that opens a modal screen
// (which runs its own loop) is followed by steps inside that loop. Ending the
// program (the main menu closed, the end confirmed, the login left) starts
// the shell again: a new login screen, the main menu.
#include "event_log.h"
#include "failure_guard.h"
#include "input_sender.h"
#include "monkey.h"
#include "navigator.h"
#include "platform/message_box.h"
#include "screen_tracker.h"
#include "soak_options.h"
#include "users/run_context.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lumora {
struct ScreenRoster;
}

namespace lumora::soak {

// A lesson the soak can open: its topic and steering row.
struct LessonTarget {
    std::string topic;
    int row = 0;
    int code = 0;
};

struct SoakResult {
    std::uint64_t events = 0;
    double seconds = 0;
    int restarts = 0;
    std::map<std::string, int> screens;     // shown, by name
    std::map<int, int> codesOpened;         // lesson code -> times opened
    std::map<std::string, int> kindsOpened; // lesson screen name -> times opened
    std::map<std::string, int> messages;    // messages shown, by text
    std::vector<int> codesMissed;           // codes of the course never opened
    int walksGivenUp = 0;
    std::vector<long> rssKiB; // with cycles: resident size after each cycle
};

// Every lesson of the topic lists (each has its click area), topic by topic
// in menu order.
std::vector<LessonTarget> CourseLessons(const CourseData& course);

// Resident size of this process in KiB (VmRSS), or -1.
long ResidentKiB();

class SoakRun {
  public:
    SoakRun(const SoakOptions& options, EventLog& log, Watchdog& watchdog);
    ~SoakRun();
    SoakRun(const SoakRun&) = delete;
    SoakRun& operator=(const SoakRun&) = delete;

    SoakResult Run(ScreenRoster& screens);

  private:
    void ScheduleNext();
    void Step();
    void Send(QWidget& top);
    void RandomStep(QWidget& top, std::string& described);
    // A lesson of the code opened least so far (and not given up), or -1.
    int LeastOpenedLesson();
    void WalkStep(QWidget& top, std::string& described);
    void CycleStep(QWidget& top, std::string& described);
    void LessonShown(QWidget& window);
    void NewLoginScreen(ScreenRoster& screens);
    void Finish();

    const SoakOptions& options_;
    EventLog& log_;
    Watchdog& watchdog_;
    InputSender input_;
    Monkey monkey_;
    Navigator navigator_{input_};
    const RunContext* context_ = nullptr;
    ScreenTracker tracker_;
    SoakResult result_;
    std::vector<LessonTarget> lessons_;
    bool done_ = false;
    int pauseDepth_ = 0;
    // A walk to a lesson under way: its index in lessons_ (-1: none; with
    // cycles, lessons_.size() is the way back to the main menu) and its steps.
    int walk_ = -1;
    int walkSteps_ = 0;
    int cycle_ = 0;
    std::uint64_t sinceWalk_ = 0;
    std::map<int, int> giveUps_; // walks given up, by lesson code
    MessageHandler previousMessages_;
};

} // namespace lumora::soak
