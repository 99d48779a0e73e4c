#include "blocking_wait.h"

#include "wait_hook.h"

#include <chrono>
#include <thread>

namespace lumora {
namespace {

WaitHook hook;

} // namespace

void BlockingWait(int milliseconds) {
    if (!hook.Replaced(milliseconds) && milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

std::function<void(int)> SetBlockingWaitHook(std::function<void(int)> replacement) {
    return hook.Swap(std::move(replacement));
}

} // namespace lumora
