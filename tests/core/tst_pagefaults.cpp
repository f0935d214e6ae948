#include "childprocess.h"
#include "createfiles.h"
#include "missionbrief.h"
#include "pagewriters.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

using Result = CreateFilesOutcome::Result;

namespace {

const QByteArray oldPage = "old page\r\n";

QString reasonFor(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

MissionBrief namedBrief(const QString &folder)
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Night Raid");
    brief.objectives = { QStringLiteral("Take the bridge") };
    brief.objectiveCount = QStringLiteral("1");
    brief.saveFolder = folder;
    return brief;
}

} // namespace

class TestPageFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsUnwritablePage_data();
    void reportsUnwritablePage();
    void sizeLimitKeepsOldPage_data();
    void sizeLimitKeepsOldPage();
    void sizeLimitDuringBriefing();
};

void TestPageFaults::reportsUnwritablePage_data()
{
    QTest::addColumn<QString>("folderPart");
    QTest::addColumn<QString>("blocker"); // made a directory (or a file for "through a file")
    QTest::addColumn<QString>("failingPage");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("overviewWritten");

    QTest::newRow("missing folder") << "missing"
                                    << ""
                                    << "overview.html" << reasonFor(ENOENT) << false;
    QTest::newRow("path through a regular file") << "plain.txt"
                                                 << "plain.txt"
                                                 << "overview.html" << reasonFor(ENOTDIR) << false;
    QTest::newRow("a folder named like the overview") << ""
                                                      << "overview.html"
                                                      << "overview.html" << QString() << false;
    QTest::newRow("a folder named like the briefing") << ""
                                                      << "briefing.html"
                                                      << "briefing.html" << QString() << true;
}

void TestPageFaults::reportsUnwritablePage()
{
    QFETCH(QString, folderPart);
    QFETCH(QString, blocker);
    QFETCH(QString, failingPage);
    QFETCH(QString, reason);
    QFETCH(bool, overviewWritten);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (blocker == folderPart)
        QVERIFY(writeFile(dir.filePath(blocker), "not a folder"));
    else if (!blocker.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(blocker));
    const QString folder = folderPart.isEmpty() ? dir.path() : dir.filePath(folderPart);
    const QStringList before = entries(dir.path());

    ScriptedPrompter prompter;
    const MissionBrief brief = namedBrief(folder);
    const CreateFilesOutcome outcome = createFiles(brief, prompter, PathStyle::Posix);

    QCOMPARE(outcome.result, Result::WriteFailed);
    QCOMPARE(prompter.shown.size(), 1);
    const ScriptedPrompter::Shown &box = prompter.shown.first();
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.icon, Prompter::Icon::Critical);
    QCOMPARE(box.buttons, Prompter::Buttons::Ok);
    const QString failedPath = QDir::toNativeSeparators(folder + QLatin1Char('/') + failingPage);
    QVERIFY2(box.text.contains(failedPath), qPrintable(box.text));
    if (!reason.isEmpty())
        QVERIFY2(box.text.contains(reason), qPrintable(box.text));
    QVERIFY(!box.text.trimmed().endsWith(QLatin1Char(':')));

    QStringList after = before;
    if (overviewWritten) {
        QCOMPARE(readFile(dir.filePath(QStringLiteral("overview.html"))), overviewPageBytes(brief));
        after.append(QStringLiteral("overview.html"));
        after.sort();
    }
    // The briefing is never begun after the overview failed, and no
    // half-written temporary file is left behind.
    QCOMPARE(entries(dir.path()), after);
}

void TestPageFaults::sizeLimitKeepsOldPage_data()
{
    QTest::addColumn<bool>("briefing");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("briefingLines");

    QTest::newRow("overview, nothing may be written") << false << 0 << 0;
    QTest::newRow("overview cut part way") << false << 100 << 0;
    QTest::newRow("briefing cut part way") << true << 300 << 0;
    // Written a piece at a time while the rest is made.
    QTest::newRow("a large briefing cut part way") << true << 200000 << 10000;
}

void TestPageFaults::sizeLimitKeepsOldPage()
{
    QFETCH(bool, briefing);
    QFETCH(int, limit);
    QFETCH(int, briefingLines);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString page = dir.filePath(briefing ? QStringLiteral("briefing.html")
                                               : QStringLiteral("overview.html"));
    QVERIFY(writeFile(page, oldPage));
    MissionBrief brief = namedBrief(dir.path());
    brief.briefingText += QStringLiteral("Hold the \u017Eelezni\u010Dn\u00ED bridge<br>\r\n")
                              .repeated(briefingLines);

    const QByteArray report = runInChild({ rlim_t(limit) }, [&] {
        const WriteResult result = briefing ? writeBriefingPage(brief, PathStyle::Posix)
                                            : writeOverviewPage(brief, PathStyle::Posix);
        return QByteArray(result.ok ? "ok\n" : "failed\n") + result.path.toUtf8() + '\n'
            + result.reason.toUtf8();
    });

    QCOMPARE(report, "failed\n" + page.toUtf8() + '\n' + reasonFor(EFBIG).toUtf8());
    QCOMPARE(readFile(page), oldPage);
    QCOMPARE(entries(dir.path()), QStringList { QFileInfo(page).fileName() });
}

void TestPageFaults::sizeLimitDuringBriefing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString overview = dir.filePath(QStringLiteral("overview.html"));
    const QString briefing = dir.filePath(QStringLiteral("briefing.html"));
    QVERIFY(writeFile(overview, oldPage));
    QVERIFY(writeFile(briefing, oldPage));
    const MissionBrief brief = namedBrief(dir.path());
    const QByteArray overviewBytes = overviewPageBytes(brief);
    QVERIFY(overviewBytes.size() < briefingPageBytes(brief).size());

    // Large enough for the overview, too small for the briefing.
    const QByteArray report = runInChild({ rlim_t(overviewBytes.size()) }, [&] {
        ScriptedPrompter prompter;
        const CreateFilesOutcome outcome = createFiles(brief, prompter, PathStyle::Posix);
        QByteArray out = outcome.result == Result::WriteFailed ? "WriteFailed" : "other";
        for (const ScriptedPrompter::Shown &box : prompter.shown)
            out += '\n' + box.title.toUtf8() + '|' + box.text.toUtf8();
        return out;
    });

    const QByteArray expected = "WriteFailed\nError|Could not write " + briefing.toUtf8() + ":\n"
        + reasonFor(EFBIG).toUtf8();
    QCOMPARE(report, expected);
    QCOMPARE(readFile(overview), overviewBytes);
    QCOMPARE(readFile(briefing), oldPage);
    QCOMPARE(entries(dir.path()),
             QStringList({ QStringLiteral("briefing.html"), QStringLiteral("overview.html") }));
}

QTEST_GUILESS_MAIN(TestPageFaults)
#include "tst_pagefaults.moc"
