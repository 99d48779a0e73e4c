#include "timer.h"

#include <QTimer>

#include <algorithm>

namespace lumora {
namespace {

TestClock*& ActiveClock() {
    static TestClock* clock = nullptr;
    return clock;
}

} // namespace

Timer::Timer() = default;

Timer::~Timer() {
    if (clock_ != nullptr) {
        clock_->Unschedule(*this);
    }
}

void Timer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void Timer::SetEnabled(bool on) {
    enabled_ = on;
    Restart();
}

void Timer::Restart() {
    if (qtimer_) {
        qtimer_->stop();
    }
    if (clock_ != nullptr) {
        clock_->Unschedule(*this);
    }
    if (!enabled_ || interval_ <= 0) {
        return;
    }
    if (TestClock* clock = TestClock::Active()) {
        clock->Schedule(*this);
        return;
    }
    if (!qtimer_) {
        qtimer_ = std::make_unique<QTimer>();
        QObject::connect(qtimer_.get(), &QTimer::timeout, [this] { Fire(); });
    }
    qtimer_->start(interval_);
}

void Timer::Fire() {
    if (OnTimer) {
        OnTimer();
    }
}

TestClock::TestClock() : previous_(ActiveClock()) {
    ActiveClock() = this;
}

TestClock::~TestClock() {
    for (Timer* t : timers_) {
        t->clock_ = nullptr;
    }
    ActiveClock() = previous_;
}

TestClock* TestClock::Active() {
    return ActiveClock();
}

void TestClock::Schedule(Timer& timer) {
    timer.clock_ = this;
    timer.due_ = now_ + timer.interval_;
    timer.scheduled_ = ++counter_;
    timers_.push_back(&timer);
}

void TestClock::Unschedule(Timer& timer) {
    std::erase(timers_, &timer);
    timer.clock_ = nullptr;
}

Timer* TestClock::NextDue(std::int64_t until) const {
    Timer* next = nullptr;
    for (Timer* t : timers_) {
        if (t->due_ > until) {
            continue;
        }
        if (next == nullptr || t->due_ < next->due_ ||
            (t->due_ == next->due_ && t->scheduled_ < next->scheduled_)) {
            next = t;
        }
    }
    return next;
}

void TestClock::Advance(int milliseconds) {
    const std::int64_t until = now_ + milliseconds;
    while (Timer* t = NextDue(until)) {
        now_ = t->due_;
        // Rescheduled before it fires, so a handler that changes the interval
        // or stops the timer has the last word.
        t->due_ = now_ + t->interval_;
        t->scheduled_ = ++counter_;
        t->Fire();
    }
    now_ = until;
}

} // namespace lumora
