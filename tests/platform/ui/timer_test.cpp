#include "platform/ui/timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora {
namespace {

TEST(TimerOnTestClock, FiresEveryIntervalWhileEnabled) {
    TestClock clock;
    Timer t;
    std::vector<std::int64_t> fired;
    t.OnTimer = [&] { fired.push_back(clock.Now()); };
    t.SetInterval(100);
    t.SetEnabled(true);
    clock.Advance(350);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{100, 200, 300}));
    t.SetEnabled(false);
    clock.Advance(1000);
    EXPECT_EQ(fired.size(), 3u);
}

TEST(TimerOnTestClock, SettingTheIntervalStartsTheCountAgain) {
    TestClock clock;
    Timer t;
    std::vector<std::int64_t> fired;
    t.OnTimer = [&] {
        fired.push_back(clock.Now());
        t.SetInterval(30); // as an auto-repeat does after its first pause
    };
    t.SetInterval(100);
    t.SetEnabled(true);
    clock.Advance(80);
    t.SetInterval(100); // restarts: next firing at 180
    clock.Advance(160);
    EXPECT_EQ(fired, (std::vector<std::int64_t>{180, 210, 240}));
}

TEST(TimerOnTestClock, ZeroIntervalNeverFiresAndAStoppedHandlerIsFinal) {
    TestClock clock;
    Timer zero;
    Timer once;
    int zeroFired = 0;
    int onceFired = 0;
    zero.OnTimer = [&] { ++zeroFired; };
    once.OnTimer = [&] {
        ++onceFired;
        once.SetEnabled(false);
    };
    zero.SetInterval(0);
    zero.SetEnabled(true);
    once.SetInterval(50);
    once.SetEnabled(true);
    clock.Advance(500);
    EXPECT_EQ(zeroFired, 0);
    EXPECT_EQ(onceFired, 1);
}

TEST(TimerOnTestClock, TimersFireInTimeOrderAndMayBeDestroyedWhileScheduled) {
    TestClock clock;
    std::vector<int> order;
    auto slow = std::make_unique<Timer>();
    Timer fast;
    slow->OnTimer = [&] { order.push_back(2); };
    fast.OnTimer = [&] {
        order.push_back(1);
        slow.reset(); // e.g. its screen went away
    };
    slow->SetInterval(70);
    slow->SetEnabled(true);
    fast.SetInterval(50);
    fast.SetEnabled(true);
    clock.Advance(120);
    EXPECT_EQ(order, (std::vector<int>{1, 1}));
}

} // namespace
} // namespace lumora
