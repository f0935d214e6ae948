#include "openmission.h"
#include "pagerecords.h"
#include "pagewriters.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// What "Open Mission..." makes of a folder's pages, before any window.
class tst_ReadMission : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesToRecord_data();
    void pagesToRecord();
};

void tst_ReadMission::pagesToRecord_data()
{
    QTest::addColumn<bool>("overview");
    QTest::addColumn<bool>("briefing");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("refusal"); // empty: the mission opens

    const QString opens;
    QTest::newRow("no briefing page keeps its fields") << true << false << "170"
                                                       << "64" << opens;
    QTest::newRow("no overview page keeps its fields") << false << true << "170"
                                                       << "64" << opens;
    QTest::newRow("empty sizes open") << true << true << ""
                                      << "" << opens;
    QTest::newRow("letter in the width") << true << true << "17a"
                                         << "64"
                                         << "the picture width \"17a\" is not a number";
    QTest::newRow("space in the height") << true << true << "170"
                                         << "6 4"
                                         << "the picture height \"6 4\" is not a number";
}

void tst_ReadMission::pagesToRecord()
{
    QFETCH(bool, overview);
    QFETCH(bool, briefing);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, refusal);

    MissionBrief pages = fullRecord();
    pages.pictureWidth = width;
    pages.pictureHeight = height;
    // Unlike what a missing page reads as, so that either source shows.
    MissionBrief start;
    start.pictureSource = QStringLiteral("/pictures");
    start.notesText = QStringLiteral("notes before");
    start.endings[0].header = QStringLiteral("header before");

    QTemporaryDir dir;
    QVERIFY(!overview || writeFile(dir.filePath("overview.html"), overviewPageBytes(pages)));
    QVERIFY(!briefing || writeFile(dir.filePath("briefing.html"), briefingPageBytes(pages)));
    ScriptedPrompter prompter;
    const auto opened = readMissionToOpen(dir.path(), start, prompter);

    QCOMPARE(opened.has_value(), refusal.isEmpty());
    QCOMPARE(prompter.texts().size(), refusal.isEmpty() ? 0 : 1);
    if (opened) {
        QCOMPARE(overviewPageBytes(opened->brief), overviewPageBytes(overview ? pages : start));
        QCOMPARE(briefingPageBytes(opened->brief), briefingPageBytes(briefing ? pages : start));
    } else {
        QVERIFY(prompter.texts().first().endsWith("overview.html: " + refusal));
    }
}

QTEST_GUILESS_MAIN(tst_ReadMission)
#include "tst_readmission.moc"
