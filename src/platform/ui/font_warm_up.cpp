#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace lumora {
namespace {

// Joined by the first font asked for, or at the latest when the program ends.
struct WarmUpThread {
    std::thread thread;
    ~WarmUpThread() { Finish(); }
    void Finish() {
        if (thread.joinable()) {
            thread.join();
        }
    }
};

WarmUpThread& WarmUp() {
    static WarmUpThread warmUp;
    return warmUp;
}

} // namespace

void StartFontWarmUp() {
    WarmUp().Finish();
    WarmUp().thread = std::thread([] { FcInit(); });
}

void FinishFontWarmUp() {
    WarmUp().Finish();
}

} // namespace lumora
