#include "event_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

#include "platform/random.h"

namespace lumora {

void ProcessEventsFor(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    if (QCoreApplication::instance() == nullptr) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool ProcessEventsUntil(const std::function<bool()>& done, int milliseconds) {
    const std::int64_t end = TickCount() + milliseconds;
    while (!done() && TickCount() < end) {
        ProcessEventsFor(5);
    }
    return done();
}

} // namespace lumora
