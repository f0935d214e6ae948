// Writes both pages of a large mission (10,000 objectives, a 1 MiB briefing)
// and compares the time with a plain write of the very same bytes, and the
// time to build the pages' bytes with the time to read them back.
#include "largemission.h"
#include "missionbrief.h"
#include "pagereader.h"
#include "pagewriters.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

bool plainWrite(const QByteArray &path, const QByteArray &bytes, bool sync)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    if (sync)
        ok = ::fdatasync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    QTemporaryDir dir(QStringLiteral("bench_pages-XXXXXX"));
    if (!dir.isValid())
        return 1;
    const MissionBrief brief = largeMission(dir.path());
    const QByteArray overview = overviewPageBytes(brief);
    const QByteArray briefing = briefingPageBytes(brief);
    const qint64 total = overview.size() + briefing.size();
    const QByteArray plainOverview
        = dir.filePath(QStringLiteral("plain_overview.html")).toLocal8Bit();
    const QByteArray plainBriefing
        = dir.filePath(QStringLiteral("plain_briefing.html")).toLocal8Bit();

    constexpr int runs = 21;
    std::vector<double> pages, bytesOnly, reading, saveOnly, plain, plainSynced;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        const bool ok = writeOverviewPage(brief).ok && writeBriefingPage(brief).ok;
        pages.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!ok) {
            std::fprintf(stderr, "page write failed\n");
            return 1;
        }

        timer.start();
        const qint64 size = overviewPageBytes(brief).size() + briefingPageBytes(brief).size();
        bytesOnly.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (size != total)
            return 1;

        timer.start();
        const MissionPages read = readMissionPages(overview, briefing);
        reading.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!read.problems.isEmpty() || read.brief.objectives.size() != brief.objectives.size())
            return 1;

        timer.start();
        if (!writeFileAtomically(dir.filePath(QStringLiteral("overview.html")), overview).ok
            || !writeFileAtomically(dir.filePath(QStringLiteral("briefing.html")), briefing).ok)
            return 1;
        saveOnly.push_back(double(timer.nsecsElapsed()) / 1e6);

        for (const bool sync : { false, true }) {
            timer.start();
            if (!plainWrite(plainOverview, overview, sync)
                || !plainWrite(plainBriefing, briefing, sync)) {
                std::fprintf(stderr, "plain write failed\n");
                return 1;
            }
            (sync ? plainSynced : plain).push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }

    const double mib = double(total) / (1 << 20);
    const double tPages = median(pages);
    const double tBytes = median(bytesOnly);
    const double tRead = median(reading);
    const double tSave = median(saveOnly);
    const double tPlain = median(plain);
    const double tSynced = median(plainSynced);
    std::printf(
        "page bytes: %lld (%.2f MiB), 10000 objectives, 1 MiB briefing; median of %d runs\n",
        static_cast<long long>(total), mib, runs);
    std::printf("both pages built and saved: %8.2f ms  %8.1f MiB/s\n", tPages, mib / tPages * 1e3);
    std::printf("  of which building bytes:  %8.2f ms  %8.1f MiB/s\n", tBytes, mib / tBytes * 1e3);
    std::printf("  of which saving (QSaveFile): %6.2f ms  %8.1f MiB/s\n", tSave, mib / tSave * 1e3);
    std::printf("reading both pages back:    %8.2f ms  %8.1f MiB/s\n", tRead, mib / tRead * 1e3);
    std::printf("ratio reading / building bytes: %4.2f\n", tRead / tBytes);
    std::printf("plain write of same bytes:  %8.2f ms  %8.1f MiB/s\n", tPlain, mib / tPlain * 1e3);
    std::printf("plain write + fdatasync:    %8.2f ms  %8.1f MiB/s\n", tSynced,
                mib / tSynced * 1e3);
    std::printf("ratio pages / plain write:  %8.2f\n", tPages / tPlain);
    std::printf("ratio pages / plain write + fdatasync: %5.2f\n", tPages / tSynced);
    return 0;
}
