#pragma once
// What turns a failure into a report that replays: a fault handler for the
// signals a crash raises, and a watchdog thread that calls the run hung when
// the input driver has not taken a step for a while. Both write the event
// log (the seed and the last events) to standard error.
#include "event_log.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

namespace lumora::soak {

// Installs handlers for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT that dump
// the log and then hand the signal to whatever handled it before (a
// sanitizer's report, or the default: the process ends by the signal).
void InstallCrashReport(const EventLog& log);

// Exit status of a run the watchdog ended.
inline constexpr int kHangExitStatus = 3;

class Watchdog {
  public:
    // Ends the process with kHangExitStatus after the log's report when no
    // Beat has come for the limit.
    Watchdog(const EventLog& log, std::chrono::milliseconds limit);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // The driver took a step.
    void Beat() { beats_.fetch_add(1, std::memory_order_relaxed); }

  private:
    void Watch();

    const EventLog& log_;
    std::chrono::milliseconds limit_;
    std::atomic<std::uint64_t> beats_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace lumora::soak
