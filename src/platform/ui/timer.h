#pragma once
// A timer as the screens use it: an interval in milliseconds, switched on and
// off, calling OnTimer each time the interval has passed. Setting the interval
// or switching it on starts the count again. It runs on Qt's event loop, or
// on a TestClock while one exists, so tests need not wait in real time.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace lumora {

class TestClock;

class Timer {
  public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    // An interval of 0 or less keeps the timer from firing.
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    std::function<void()> OnTimer;

  private:
    friend class TestClock;

    void Restart();
    void Fire();

    int interval_ = 1000;
    bool enabled_ = false;
    std::unique_ptr<QTimer> qtimer_;
    TestClock* clock_ = nullptr;  // the test clock it is scheduled on, if any
    std::int64_t due_ = 0;        // when it fires next on that clock
    std::uint64_t scheduled_ = 0; // order of scheduling, to break ties
};

// A clock for tests: while it lives, timers that are started run on it, and
// Advance fires them in time order as if that many milliseconds had passed.
class TestClock {
  public:
    TestClock();
    ~TestClock();
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    void Advance(int milliseconds);
    std::int64_t Now() const { return now_; }

    // The clock in use, or nullptr when timers run in real time.
    static TestClock* Active();

  private:
    friend class Timer;

    void Schedule(Timer& timer);
    void Unschedule(Timer& timer);
    Timer* NextDue(std::int64_t until) const;

    std::int64_t now_ = 0;
    std::uint64_t counter_ = 0;
    std::vector<Timer*> timers_;
    TestClock* previous_;
};

} // namespace lumora
