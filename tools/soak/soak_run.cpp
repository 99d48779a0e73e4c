#include "soak_run.h"

#include "course/course_data.h"
#include "course/main_menu_topics.h"
#include "course/topic_list_layout.h"
#include "platform/blocking_wait.h"
#include "platform/ui/address_opener.h"
#include "platform/ui/screen_pause.h"
#include "shell/screen_roster.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <limits>
#include <thread>

namespace lumora::soak {
namespace {

// Steps a walk to a lesson may take before it is given up.
constexpr int kWalkLimit = 60;
// A lesson code whose walks are given up this often is not walked to again.
constexpr int kGiveUpsPerCode = 3;
// The menu's animation waits and the screens' pauses are cut to this, so the
// soak spends its time on input; their order and effect stay the same.
constexpr int kLongestWaitMs = 2;
constexpr int kLongestPauseMs = 50;
// A long run says how far it has come.
constexpr std::uint64_t kProgressEvery = 10000;

} // namespace

std::vector<LessonTarget> CourseLessons(const CourseData& course) {
    std::vector<LessonTarget> lessons;
    for (const MenuTopic& topic : MenuTopics()) {
        for (int row : TopicLessons(course, topic.folder)) {
            lessons.push_back({topic.folder, row, course.Steering(row)->Code});
        }
    }
    return lessons;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kib = -1;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

SoakRun::SoakRun(const SoakOptions& options, EventLog& log, Watchdog& watchdog)
    : options_(options), log_(log), watchdog_(watchdog), monkey_(input_, options.seed) {
    SetBlockingWaitHook([](int ms) {
        if (ms > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, kLongestWaitMs)));
        }
    });
    // The pause as the program makes it (keys and clicks held back), only
    // shorter; no input step is sent meanwhile either.
    SetPauseScreensHook([this](int ms) {
        if (ms <= 0) {
            return;
        }
        ++pauseDepth_;
        QEventLoop loop;
        QTimer::singleShot(std::min(ms, kLongestPauseMs), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        --pauseDepth_;
    });
    // The messages are shown as ever, and counted for the report.
    previousMessages_ =
        SetMessageHandler([this](const std::string& text, const std::string& details) {
            ++result_.messages[text];
            if (previousMessages_) {
                previousMessages_(text, details);
            }
        });
    // The web pages are not opened in a browser.
    SetAddressHandler([](const std::string&) { return true; });
    tracker_.OnShown = [this](QWidget& window) { LessonShown(window); };
}

SoakRun::~SoakRun() {
    SetBlockingWaitHook(nullptr);
    SetPauseScreensHook(nullptr);
    SetAddressHandler(nullptr);
    SetMessageHandler(previousMessages_);
}

void SoakRun::LessonShown(QWidget& window) {
    if (!Navigator::IsLesson(window)) {
        return;
    }
    if (const SteeringRow* row = context_->course.Steering(context_->session.lesson.CurrentRow)) {
        ++result_.codesOpened[row->Code];
    }
    ++result_.kindsOpened[ScreenTracker::NameOf(window)];
}

void SoakRun::ScheduleNext() {
    QTimer::singleShot(options_.intervalMs, &tracker_, [this] { Step(); });
}

void SoakRun::Step() {
    if (done_) {
        return;
    }
    // Due before this step's input is sent: a modal screen it opens runs its
    // own loop, and the soak goes on inside it.
    ScheduleNext();
    // A pause holds input back on purpose; no window up at all, or no input
    // step for long, is a hang.
    if (pauseDepth_ > 0) {
        watchdog_.Beat();
        return;
    }
    if (QWidget* top = tracker_.Top()) {
        Send(*top);
    }
}

void SoakRun::Send(QWidget& top) {
    if (options_.events > 0 && result_.events >= options_.events) {
        Finish();
        return;
    }
    std::string described;
    const std::string screen = ScreenTracker::NameOf(top);
    bool logged = false;
    // Steps sent from inside this one's modal screens log their own actions.
    auto previous = std::exchange(input_.BeforeSend, [&] {
        if (!logged) {
            logged = true;
            watchdog_.Beat();
            const std::string line = screen + ": " + described;
            log_.Add(++result_.events, line.c_str());
            if (result_.events % kProgressEvery == 0) {
                std::printf("%llu events\n", static_cast<unsigned long long>(result_.events));
                std::fflush(stdout);
            }
        }
    });
    if (options_.cycles > 0) {
        CycleStep(top, described);
    } else {
        RandomStep(top, described);
    }
    input_.BeforeSend = std::move(previous);
    if (options_.events > 0 && result_.events >= options_.events) {
        Finish();
    }
}

void SoakRun::RandomStep(QWidget& top, std::string& described) {
    // Mostly straight through the login, sometimes the monkey's way.
    if (monkey_.Next(5) != 0 && navigator_.StepLogin(top, described)) {
        return;
    }
    if (walk_ < 0 && sinceWalk_ >= static_cast<std::uint64_t>(options_.lessonEvery)) {
        walk_ = LeastOpenedLesson();
        walkSteps_ = 0;
        sinceWalk_ = 0;
    }
    if (walk_ >= 0) {
        WalkStep(top, described);
        if (!described.empty()) {
            return;
        }
    }
    ++sinceWalk_;
    monkey_.Act(top, described);
}

int SoakRun::LeastOpenedLesson() {
    int fewest = std::numeric_limits<int>::max();
    std::vector<int> candidates;
    for (std::size_t i = 0; i < lessons_.size(); ++i) {
        const int code = lessons_[i].code;
        if (giveUps_[code] >= kGiveUpsPerCode) {
            continue;
        }
        const int opened = result_.codesOpened[code];
        if (opened < fewest) {
            fewest = opened;
            candidates.clear();
        }
        if (opened == fewest) {
            candidates.push_back(static_cast<int>(i));
        }
    }
    if (candidates.empty()) {
        return -1;
    }
    return candidates[static_cast<std::size_t>(monkey_.Next(static_cast<int>(candidates.size())))];
}

void SoakRun::WalkStep(QWidget& top, std::string& described) {
    const LessonTarget& target = lessons_[static_cast<std::size_t>(walk_)];
    if (navigator_.IsOpen(top, target.row)) {
        walk_ = -1;
        return;
    }
    if (++walkSteps_ > kWalkLimit) {
        ++result_.walksGivenUp;
        ++giveUps_[target.code];
        walk_ = -1;
        return;
    }
    navigator_.StepTowards(top, target.topic, target.row, described);
}

void SoakRun::CycleStep(QWidget& top, std::string& described) {
    const int count = static_cast<int>(lessons_.size());
    if (walk_ < 0) {
        walk_ = 0;
    }
    if (walk_ < count) {
        const LessonTarget& target = lessons_[static_cast<std::size_t>(walk_)];
        if (navigator_.IsOpen(top, target.row)) {
            ++walk_;
            walkSteps_ = 0;
        } else if (++walkSteps_ > kWalkLimit) {
            ++result_.walksGivenUp;
            ++walk_;
            walkSteps_ = 0;
        } else {
            navigator_.StepTowards(top, target.topic, target.row, described);
            return;
        }
    }
    if (walk_ < count) {
        const LessonTarget& next = lessons_[static_cast<std::size_t>(walk_)];
        navigator_.StepTowards(top, next.topic, next.row, described);
        return;
    }
    // Every lesson done: back on the main menu, the round ends.
    if (dynamic_cast<TForm1*>(&top) == nullptr) {
        if (!navigator_.StepLogin(top, described)) {
            navigator_.Leave(top, described);
        }
        return;
    }
    result_.rssKiB.push_back(ResidentKiB());
    std::printf("cycle %d: resident %ld KiB\n", ++cycle_, result_.rssKiB.back());
    std::fflush(stdout);
    walk_ = 0;
    walkSteps_ = 0;
    if (cycle_ >= options_.cycles) {
        Finish();
    }
}

void SoakRun::Finish() {
    done_ = true;
    // Every loop ends, the modal screens' nested ones included.
    QCoreApplication::exit(0);
}

void SoakRun::NewLoginScreen(ScreenRoster& screens) {
    screens.Form9 = std::make_unique<TForm9>(*screens.Context, screens.Users);
    screens.Form9->setObjectName("TForm9");
    screens.Form9->SetNewUserScreen(screens.Form10.get());
}

SoakResult SoakRun::Run(ScreenRoster& screens) {
    context_ = screens.Context.get();
    navigator_.Follow(screens.RunSession.lesson);
    lessons_ = CourseLessons(*screens.Course);
    const auto start = std::chrono::steady_clock::now();
    ScheduleNext();
    for (;;) {
        screens.PodkladForm->ShowBehind();
        screens.Form9->ShowModal();
        if (done_) {
            break;
        }
        if (screens.Form9->LoggedIn()) {
            screens.Form1->PicturesReady = false;
            screens.Form1->Show();
            QApplication::exec();
            if (done_) {
                break;
            }
        }
        // The program has ended; a new one starts.
        ++result_.restarts;
        tracker_.HideAll();
        NewLoginScreen(screens);
    }
    result_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result_.screens = tracker_.Reached();
    for (const LessonTarget& lesson : lessons_) {
        if (result_.codesOpened[lesson.code] == 0 &&
            std::find(result_.codesMissed.begin(), result_.codesMissed.end(), lesson.code) ==
                result_.codesMissed.end()) {
            result_.codesMissed.push_back(lesson.code);
        }
    }
    std::erase_if(result_.codesOpened, [](const auto& entry) { return entry.second == 0; });
    return result_;
}

} // namespace lumora::soak
