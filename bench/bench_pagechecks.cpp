// Runs the page checks on the large mission of bench_pages and reports the
// median time; the checks run on every change in the page preview.
#include "largemission.h"
#include "pagechecks.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main()
{
    const MissionBrief brief = largeMission(QStringLiteral("/missions/bench"));
    const PictureFacts picture { true };

    constexpr int runs = 21;
    std::vector<double> times;
    qsizetype findings = 0;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        findings = checkMission(brief, picture, PathStyle::Posix).size();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());

    // Twice the briefing and twice the objectives show whether the time grows
    // linearly.
    MissionBrief doubled = brief;
    doubled.briefingText += doubled.briefingText;
    for (const QString &objective : brief.objectives)
        doubled.objectives.append(objective + QStringLiteral(" again"));
    std::vector<double> doubledTimes;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        (void)checkMission(doubled, picture, PathStyle::Posix);
        doubledTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(doubledTimes.begin(), doubledTimes.end());

    std::printf(
        "checks on 10000 objectives, 1 MiB briefing: %8.2f ms (median of %d), %lld findings\n",
        times[runs / 2], runs, static_cast<long long>(findings));
    std::printf("same record doubled:                         %8.2f ms  ratio %.2f\n",
                doubledTimes[runs / 2], doubledTimes[runs / 2] / times[runs / 2]);
    return 0;
}
