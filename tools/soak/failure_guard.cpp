#include "failure_guard.h"

#include <unistd.h>

#include <csignal>
#include <string>

namespace lumora::soak {
namespace {

constexpr int kFaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr int kMaxSignal = 65;

const EventLog* g_log = nullptr;
struct sigaction g_previous[kMaxSignal];

const char* SignalName(int sig) {
    switch (sig) {
    case SIGSEGV:
        return "crash: SIGSEGV";
    case SIGBUS:
        return "crash: SIGBUS";
    case SIGFPE:
        return "crash: SIGFPE";
    case SIGILL:
        return "crash: SIGILL";
    case SIGABRT:
        return "crash: SIGABRT";
    default:
        return "crash";
    }
}

void OnFault(int sig, siginfo_t* info, void*) {
    if (g_log != nullptr) {
        g_log->Dump(STDERR_FILENO, SignalName(sig));
    }
    // Back to the previous handler. A fault repeats when the handler returns
    // and reaches it there; a signal that was sent (raise, abort, kill) is
    // sent again.
    ::sigaction(sig, &g_previous[sig], nullptr);
    if (info == nullptr || info->si_code <= 0) {
        ::raise(sig);
    }
}

} // namespace

void InstallCrashReport(const EventLog& log) {
    g_log = &log;
    for (int sig : kFaultSignals) {
        struct sigaction action = {};
        action.sa_sigaction = OnFault;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        ::sigaction(sig, &action, &g_previous[sig]);
    }
}

Watchdog::Watchdog(const EventLog& log, std::chrono::milliseconds limit)
    : log_(log), limit_(limit), thread_([this] { Watch(); }) {}

Watchdog::~Watchdog() {
    stop_ = true;
    thread_.join();
}

void Watchdog::Watch() {
    using Clock = std::chrono::steady_clock;
    std::uint64_t seen = beats_.load(std::memory_order_relaxed);
    Clock::time_point since = Clock::now();
    while (!stop_.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::uint64_t now = beats_.load(std::memory_order_relaxed);
        if (now != seen) {
            seen = now;
            since = Clock::now();
        } else if (Clock::now() - since > limit_) {
            const std::string reason =
                "hang: no input step for " + std::to_string(limit_.count()) + " ms";
            log_.Dump(STDERR_FILENO, reason.c_str());
            ::_exit(kHangExitStatus);
        }
    }
}

} // namespace lumora::soak
