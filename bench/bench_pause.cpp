// Processor time used while pausing: the wait should leave the processor idle.
#include "pause.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr double Seconds = 0.3;
    constexpr int Runs = 10;
    std::vector<double> wall;
    std::vector<double> cpuShare;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = cpuSeconds();
        pauseFor(Seconds);
        const double cpu = cpuSeconds() - cpuBefore;
        const double elapsed = double(clock.nsecsElapsed()) / 1e9;
        wall.push_back(elapsed);
        cpuShare.push_back(cpu / elapsed);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpuShare.begin(), cpuShare.end());
    std::printf("pauseFor(%.1f) x %d: wall median %.4f s (min %.4f, max %.4f); "
                "processor use median %.2f%% of one core (max %.2f%%)\n",
                Seconds, Runs, wall[Runs / 2], wall.front(), wall.back(), 100 * cpuShare[Runs / 2],
                100 * cpuShare.back());
    return 0;
}
