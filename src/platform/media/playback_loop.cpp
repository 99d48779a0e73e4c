#include "playback_loop.h"

#include <algorithm>
#include <chrono>

namespace lumora {
namespace {

constexpr auto kIdleWait = std::chrono::milliseconds(4);

} // namespace

PlaybackLoop::PlaybackLoop(const AudioStream* stream, int outRate, std::int64_t startMs,
                           std::int64_t lengthMs, Finished finished, double tempo)
    : clock_(stream, outRate, startMs, tempo), lengthMs_(lengthMs), finished_(std::move(finished)) {
}

PlaybackLoop::~PlaybackLoop() {
    StopThread();
}

void PlaybackLoop::StartThread() {
    thread_ = std::thread([this] { Run(); });
}

void PlaybackLoop::StopThread() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void PlaybackLoop::WaitForEnd() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void PlaybackLoop::Run() {
    if (!Ready()) {
        Finish(NotifyValue::Failure);
        return;
    }
    for (;;) {
        Feed();
        if (!endOfFile_ && WantsData()) {
            if (!DecodeNext()) {
                Finish(NotifyValue::Failure);
                return;
            }
        } else if (endOfFile_ && Done()) {
            Finish(NotifyValue::Successful);
            return;
        } else {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, kIdleWait, [this] { return stop_; });
        }
        std::lock_guard lock(mutex_);
        if (stop_) {
            return;
        }
    }
}

void PlaybackLoop::Finish(NotifyValue value) {
    const std::int64_t end_ms = value == NotifyValue::Successful ? lengthMs_ : clock_.Now();
    finished_(value, std::min(end_ms, lengthMs_));
}

} // namespace lumora
