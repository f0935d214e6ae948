// The page preview while the user types: keys typed into the briefing, the
// notes and an objective with the preview open on the briefing page, after
// pauses of 200 to 800 ms (each pause lets a refresh start) and in a burst,
// for a typical mission, the 10,000-objective record and an 8 MiB briefing.
// A key's wait runs from when it was due until the field has repainted.
// Last, F5 on a record of 10,000 repeated objectives: the time until the
// checks are shown and the longest the event loop was held up meanwhile.
#include "controls.h"
#include "frmmain.h"
#include "frmpagepreview.h"
#include "largemission.h"
#include "messageboxprompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

MissionBrief typicalMission(const QString &folder)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Night Raid");
    brief.saveFolder = folder;
    brief.pictureSource = folder + QStringLiteral("/raid.jpg");
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
    return brief;
}

MissionBrief hugeBriefing(const QString &folder)
{
    MissionBrief brief = typicalMission(folder);
    const QString line = QStringLiteral("Hold the ford at <b>dawn</b> until relieved.<br>\r\n");
    brief.briefingText = line.repeated((8 << 20) / line.size());
    return brief;
}

// Notes when `widget` has painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Types one key per `pauses` entry, each that many ms after the previous one
// was handled, by `type`; returns each key's wait.
std::vector<double> typeKeys(QWidget *painted, const std::function<void()> &type,
                             const std::vector<int> &pauses)
{
    PaintWatch watch;
    painted->installEventFilter(&watch);
    std::vector<double> waits;
    QElapsedTimer clock;
    for (const int pause : pauses) {
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < pause)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        // The key falls due now; anything the event loop still runs delays it.
        clock.start();
        QCoreApplication::processEvents();
        watch.painted = false;
        type();
        while (!watch.painted && clock.elapsed() < 10'000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        waits.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    painted->removeEventFilter(&watch);
    return waits;
}

struct Waits
{
    double afterPauses = 0;
    double inBurst = 0;
};

Waits measureField(QWidget *painted, const std::function<void()> &type)
{
    std::vector<int> pauses(15);
    for (std::size_t i = 0; i < pauses.size(); ++i)
        pauses[i] = 200 + 150 * int(i % 5);
    const std::vector<double> paused = typeKeys(painted, type, pauses);
    const std::vector<double> burst = typeKeys(painted, type, std::vector<int>(20, 40));
    return { *std::max_element(paused.begin(), paused.end()),
             *std::max_element(burst.begin(), burst.end()) };
}

frmPagePreview *pagePreview()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<frmPagePreview *>(w))
            return p;
    return nullptr;
}

void measureMission(frmMain &window, const char *name, const MissionBrief &brief)
{
    window.setBrief(brief);
    frmPagePreview *preview = pagePreview();
    preview->findChild<QTabWidget *>(QStringLiteral("tabPages"))->setCurrentIndex(1);
    QElapsedTimer build;
    build.start();
    preview->refresh();
    const double buildMs = double(build.nsecsElapsed()) / 1e6;
    window.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);

    std::printf("%s: whole briefing page built in %.0f ms (off the typing path)\n", name, buildMs);
    for (const char *field : { "txtBriefing", "txtHeader" }) {
        auto *text = window.findChild<QPlainTextEdit *>(QLatin1String(field));
        text->setFocus();
        text->moveCursor(QTextCursor::Start);
        const Waits waits
            = measureField(text->viewport(), [text] { QTest::keyClick(text, Qt::Key_A); });
        std::printf("  %-12s longest wait after pauses %7.2f ms, in a burst %7.2f ms\n", field,
                    waits.afterPauses, waits.inBurst);
    }
    auto *list = window.findChild<QListWidget *>(QStringLiteral("List1"));
    list->setFocus();
    list->setCurrentRow(0);
    // An objective is written back as frmEditObj does it (the item taken out
    // and a new one put in its place), here once for every key.
    const Waits waits = measureField(list->viewport(), [list] {
        const QString text = list->item(0)->text() + QLatin1Char('a');
        delete list->takeItem(0);
        list->insertItem(0, text);
    });
    std::printf("  %-12s longest wait after pauses %7.2f ms, in a burst %7.2f ms\n", "objective",
                waits.afterPauses, waits.inBurst);
}

void measureOpening(frmMain &window, frmPagePreview *preview)
{
    MissionBrief brief = typicalMission(QStringLiteral("/missions/bench"));
    brief.objectives = QStringList(10'000, QStringLiteral("Hold the bridge"));
    brief.objectiveCount = QStringLiteral("10000");
    preview->close();
    window.setBrief(brief);
    QCoreApplication::processEvents();
    const int before = preview->refreshCount();
    QElapsedTimer clock;
    clock.start();
    window.openPagePreview();
    double longest = double(clock.nsecsElapsed()) / 1e6;
    while (preview->refreshCount() == before && clock.elapsed() < 60'000) {
        QElapsedTimer step;
        step.start();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        longest = std::max(longest, double(step.nsecsElapsed()) / 1e6);
    }
    // The list lays out and paints what the refresh brought.
    QElapsedTimer paint;
    paint.start();
    QCoreApplication::processEvents();
    longest = std::max(longest, double(paint.nsecsElapsed()) / 1e6);
    std::printf("F5, 10,000 repeated objectives: checks shown after %.0f ms, event loop held up "
                "at most %.1f ms\n",
                double(clock.nsecsElapsed()) / 1e6, longest);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    registerFontSubstitutes();
    MessageBoxPrompter prompter;
    frmMain window(prompter);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "The main window never became active.\n");
        return 1;
    }
    window.openPagePreview();

    measureMission(window, "typical mission (20 objectives)",
                   typicalMission(QStringLiteral("/missions/bench")));
    measureMission(window, "large mission (10,000 objectives, 1 MiB briefing)",
                   largeMission(QStringLiteral("/missions/bench")));
    measureMission(window, "8 MiB briefing", hugeBriefing(QStringLiteral("/missions/bench")));
    measureOpening(window, pagePreview());
    return 0;
}
