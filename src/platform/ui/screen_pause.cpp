#include "screen_pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

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

void PauseScreens(int milliseconds) {
    if (Hook()) {
        Hook()(milliseconds);
        return;
    }
    if (milliseconds <= 0) {
        return;
    }
    if (QCoreApplication::instance() == nullptr) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    // Quitting the program ends every running event loop, this one included.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

std::function<void(int)> SetPauseScreensHook(std::function<void(int)> hook) {
    return std::exchange(Hook(), std::move(hook));
}

} // namespace lumora
