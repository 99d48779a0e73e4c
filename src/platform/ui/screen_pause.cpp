#include "screen_pause.h"

#include "platform/wait_hook.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

namespace lumora {
namespace {

WaitHook hook;

} // namespace

void PauseScreens(int milliseconds) {
    if (hook.Replaced(milliseconds) || milliseconds <= 0) {
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

std::function<void(int)> SetPauseScreensHook(std::function<void(int)> replacement) {
    return hook.Swap(std::move(replacement));
}

} // namespace lumora
