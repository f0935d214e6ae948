#include "pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <climits>
#include <cmath>
#include <thread>

void pauseFor(double seconds)
{
    if (!(seconds > 0))
        return;
    QElapsedTimer clock;
    clock.start();
    const double totalNs = seconds * 1e9;

    if (!QCoreApplication::instance()) {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        return;
    }

    // A timer may fire a little early; wait again for what is left.
    for (;;) {
        const double leftNs = totalNs - double(clock.nsecsElapsed());
        if (leftNs <= 0)
            return;
        const double leftMs = std::ceil(leftNs / 1e6);
        const int interval = leftMs >= double(INT_MAX) ? INT_MAX : int(leftMs);

        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        bool timedOut = false;
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        timer.start(interval);
        loop.exec(QEventLoop::AllEvents);
        if (!timedOut)
            return; // the application asked every event loop to end
    }
}
