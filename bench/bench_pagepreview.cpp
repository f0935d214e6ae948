// The page preview: one refresh of a typical mission and of the large one,
// each beside the time to build the page bytes alone, and how long keystrokes
// typed into the large mission wait for the window while the preview is open.
#include "controls.h"
#include "frmmain.h"
#include "frmpagepreview.h"
#include "largemission.h"
#include "messageboxprompter.h"
#include "pagewriters.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

MissionBrief typicalMission(const QString &folder)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Night Raid");
    brief.saveFolder = folder;
    brief.pictureSource = folder + QStringLiteral("/raid.jpg");
    brief.pictureWidth = QStringLiteral("170");
    brief.pictureHeight = QStringLiteral("64");
    brief.overviewText
        = QStringLiteral("Take the bridge at Kr\u00E1lov\u00E1 before dawn.\r\n").repeated(12);
    brief.notesText
        = QStringLiteral("Meet at <a href=\"marker:Mill\">the mill</a>.<br>\r\n").repeated(10);
    brief.briefingText
        = QStringLiteral("<b>Recon</b> reports armour near the ford; hold until relieved.<br>\r\n")
              .repeated(45);
    for (int i = 1; i <= 20; ++i)
        brief.objectives.append(QStringLiteral("Objective %1: clear the village").arg(i));
    brief.objectiveCount = QStringLiteral("20");
    for (int i = 0; i < 6; ++i)
        brief.endings[std::size_t(i)]
            = { QStringLiteral("End %1").arg(i + 1), QStringLiteral("The column withdraws.") };
    return brief;
}

struct RefreshTimes
{
    double bytes; // both pages' bytes alone
    double shownTab; // one refresh with the briefing tab in view, painted
    double otherTab; // then showing the overview tab, painted
    double layoutStep; // the longest the event loop waited for the briefing's layout afterwards
    double laidOut; // when the briefing's layout was complete, after the refresh
};

RefreshTimes measureRefresh(frmMain &window, frmPagePreview &preview, const MissionBrief &brief,
                            int runs)
{
    auto *tabs = preview.findChild<QTabWidget *>(QStringLiteral("tabPages"));
    std::vector<double> bytes, shown, other, layoutStep, laidOut;
    for (int i = 0; i < runs; ++i) {
        // Each run changes both pages, so that neither is kept as it was.
        MissionBrief changed = brief;
        changed.missionName += QString::number(i);
        changed.briefingText += QString::number(i);
        window.setBrief(changed);
        bytes.push_back(timeMs([&] {
            (void)overviewPageBytes(changed);
            (void)briefingPageBytes(changed);
        }));
        tabs->setCurrentIndex(1);
        QCoreApplication::processEvents();
        shown.push_back(timeMs([&] {
            preview.refresh();
            preview.repaint();
        }));
        // The rest of a long page is laid out in steps from the event loop.
        const QScrollBar *range
            = preview.findChild<QTextBrowser *>(QStringLiteral("brwBriefing"))->verticalScrollBar();
        QElapsedTimer settling, still;
        settling.start();
        still.start();
        double longestStep = 0;
        for (int maximum = range->maximum(); still.elapsed() < 300;) {
            longestStep = std::max(longestStep, timeMs([] { QCoreApplication::processEvents(); }));
            if (std::exchange(maximum, range->maximum()) != range->maximum())
                still.restart();
        }
        layoutStep.push_back(longestStep);
        laidOut.push_back(settling.elapsed() - still.elapsed());
        other.push_back(timeMs([&] {
            tabs->setCurrentIndex(0);
            preview.repaint();
        }));
    }
    return { median(bytes), median(shown), median(other), median(layoutStep), median(laidOut) };
}

// Types `keys` characters into the mission name, one every `intervalMs` from
// a running event loop; a key's wait runs from when it was due until the
// window has handled it.
std::vector<double> typeKeys(QLineEdit *box, int keys, int firstDelayMs, int intervalMs = 100)
{
    std::vector<double> waits;
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    std::function<void(int)> typeKey = [&](int k) {
        const double due = firstDelayMs + double(intervalMs) * k;
        QTest::keyClick(box, Qt::Key_A);
        waits.push_back(clock.nsecsElapsed() / 1e6 - due);
        if (k + 1 == keys) {
            loop.quit();
            return;
        }
        const qint64 next = qMax<qint64>(0, qint64(due + intervalMs - clock.elapsed()));
        QTimer::singleShot(next, Qt::PreciseTimer, [&, k] { typeKey(k + 1); });
    };
    QTimer::singleShot(firstDelayMs, Qt::PreciseTimer, [&] { typeKey(0); });
    loop.exec();
    return waits;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    registerFontSubstitutes();
    MessageBoxPrompter prompter;
    frmMain window(prompter);
    window.show();
    window.openPagePreview();
    auto *preview = window.findChild<frmPagePreview *>();
    QTest::qWaitForWindowExposed(preview);

    const RefreshTimes typical
        = measureRefresh(window, *preview, typicalMission(QStringLiteral("/missions/bench")), 21);
    std::printf("typical mission (20 objectives, %lld KiB text):\n"
                "  page bytes alone %7.2f ms | refresh, briefing shown %7.2f ms | "
                "overview tab then %7.2f ms\n"
                "  briefing laid out %6.0f ms later, the longest layout step %6.2f ms\n",
                static_cast<long long>(briefingPageBytes(typicalMission({})).size() / 1024),
                typical.bytes, typical.shownTab, typical.otherTab, typical.laidOut,
                typical.layoutStep);

    const MissionBrief large = largeMission(QStringLiteral("/missions/bench"));
    const RefreshTimes big = measureRefresh(window, *preview, large, 5);
    std::printf("large mission (10000 objectives, 1 MiB briefing):\n"
                "  page bytes alone %7.2f ms | refresh, briefing shown %7.2f ms | "
                "overview tab then %7.2f ms\n"
                "  briefing laid out %6.0f ms later, the longest layout step %6.2f ms\n",
                big.bytes, big.shownTab, big.otherTab, big.laidOut, big.layoutStep);

    // Typing into the large mission with its briefing in view.
    preview->findChild<QTabWidget *>(QStringLiteral("tabPages"))->setCurrentIndex(1);
    preview->refresh();
    auto *name = window.findChild<QLineEdit *>(QStringLiteral("txtMission"));
    name->setFocus();
    const int before = preview->refreshCount();
    const std::vector<double> burst = typeKeys(name, 30, 200);
    const int duringBurst = preview->refreshCount() - before;
    QElapsedTimer afterLast;
    afterLast.start();
    while (preview->refreshCount() == before + duringBurst && afterLast.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const double refreshedAfter = afterLast.nsecsElapsed() / 1e6;
    std::printf("typing 30 keys at 100 ms into the large mission, preview open:\n"
                "  longest wait %6.2f ms, median %6.2f ms, refreshes during the burst %d,\n"
                "  the refresh came %6.0f ms after the last key\n",
                *std::max_element(burst.begin(), burst.end()), median(burst), duringBurst,
                refreshedAfter);

    // A key typed 200 ms after the last one falls due while the refresh of
    // that pause is running, and waits for it.
    const std::vector<double> resumed = typeKeys(name, 2, 0, 200);
    std::printf("  a key typed 200 ms after the previous one waits %6.2f ms\n", resumed.back());
    return 0;
}
