// The clock over Qt: a monotonic timer, waits that sleep without user input,
// and doEvents.
#include "platform/qt/QtClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <thread>

namespace splot {

QtClock::QtClock()
{
    timer_.start();
}

double QtClock::now()
{
    return static_cast<double>(timer_.nsecsElapsed()) / 1e9;
}

void QtClock::waitUntil(double deadline)
{
    for (;;) {
        const double remaining = deadline - now();
        if (remaining <= 0)
            return;
        // Without an application there is no loop to sleep in: the thread sleeps.
        if (!QCoreApplication::instance()) {
            std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
            continue;
        }

        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        bool fired = false;
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            fired = true;
            loop.quit();
        });
        timer.start(static_cast<int>(std::ceil(remaining * 1000.0)));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        // The application is quitting (every loop was told to end): a new
        // loop would return at once and spin, so stop waiting.
        if (!fired)
            return;
    }
}

void QtClock::doEvents()
{
    // Until nothing is left: input that a wait held back takes more than one
    // round (read from the X server, then delivered), and one round can run
    // only the busiest kind of event. The bound keeps a steady stream of
    // events from holding the game up.
    constexpr int kAtMostMs = 50;
    QCoreApplication::processEvents(QEventLoop::AllEvents, kAtMostMs);
}

} // namespace splot
