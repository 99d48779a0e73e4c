#include "blocking_wait.h"

#include <chrono>
#include <thread>
#include <utility>

namespace lumora {
namespace {

std::function<void(int)>& Hook() {
    static std::function<void(int)> hook;
    return hook;
}

} // namespace

void BlockingWait(int milliseconds) {
    if (Hook()) {
        Hook()(milliseconds);
    } else if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

std::function<void(int)> SetBlockingWaitHook(std::function<void(int)> hook) {
    return std::exchange(Hook(), std::move(hook));
}

} // namespace lumora
