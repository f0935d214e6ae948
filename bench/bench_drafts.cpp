// Keeping a draft: of a typical mission (goal <= 5 ms), of the large mission
// against writing its pages (goal <= 2x), and typing 30 keys at 100 ms into
// a window that keeps drafts (no key waits more than 50 ms).
#include "draftstore.h"
#include "frmmain.h"
#include "largemission.h"
#include "messageboxprompter.h"
#include "pagewriters.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

MissionBrief typicalMission(const QString &folder)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Night Raid");
    brief.saveFolder = folder;
    brief.overviewText = QStringLiteral("Cross the river by night and take the radar.");
    brief.notesText = QStringLiteral("Radio silence until dawn.<br>");
    brief.briefingText
        = QStringLiteral("Go to <a href=\"#OBJ_1\">the radar</a> and wait.<br>\r\n").repeated(20);
    for (int i = 1; i <= 5; ++i)
        brief.objectives.append(QStringLiteral("Objective %1").arg(i));
    brief.objectiveCount = QStringLiteral("5");
    return brief;
}

// Median time of keeping `texts` as a draft, changed every run so that each
// run writes.
double keepTime(DraftStore &drafts, MissionBrief texts, int runs)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        texts.notesText += QLatin1Char('x');
        timer.start();
        if (!drafts.keep(texts, MissionBrief(), RecordDigest(MissionBrief())).ok)
            return -1;
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir(QStringLiteral("bench_drafts-XXXXXX"));
    if (!dir.isValid())
        return 1;
    DraftStore drafts(dir.filePath(QStringLiteral("drafts")));
    constexpr int runs = 21;

    const double typical = keepTime(drafts, typicalMission(dir.path()), runs);
    const MissionBrief large = largeMission(dir.path());
    const double largeKeep = keepTime(drafts, large, runs);
    std::vector<double> writes;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        if (!writeOverviewPage(large).ok || !writeBriefingPage(large).ok)
            return 1;
        writes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double largeWrite = median(writes);
    if (typical < 0 || largeKeep < 0)
        return 1;

    MessageBoxPrompter prompter;
    frmMain window(prompter);
    DraftStore session(dir.filePath(QStringLiteral("drafts")));
    window.setDraftStore(&session);
    window.setBrief(typicalMission(dir.path()));
    window.show();
    auto *box = window.findChild<QPlainTextEdit *>(QStringLiteral("txtOverview"));
    box->setFocus();
    QTest::qWait(2500);
    double longestWait = 0;
    for (int i = 0; i < 30; ++i) {
        timer.start();
        QTest::keyClick(box, Qt::Key_A);
        QTest::qWait(100);
        longestWait = std::max(longestWait, double(timer.nsecsElapsed()) / 1e6 - 100);
    }
    QTest::qWait(2500);
    const bool kept = drafts.drafts().size() == 2;

    std::printf("keeping the typical mission's draft: %7.2f ms (goal <= 5)\n", typical);
    std::printf("keeping the large mission's draft:   %7.2f ms\n", largeKeep);
    std::printf("writing the large mission's pages:   %7.2f ms\n", largeWrite);
    std::printf("ratio draft / pages:                 %7.2f (goal <= 2)\n", largeKeep / largeWrite);
    std::printf("typing 30 keys at 100 ms, longest wait: %5.2f ms (goal <= 50)%s\n", longestWait,
                kept ? "" : ", draft NOT kept after the pause");
    return kept ? 0 : 1;
}
