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

    QTest::newRow("both pages") << true << true << "170"
                                << "64"
                                << "";
    QTest::newRow("no briefing page keeps its starting fields") << true << false << "170"
                                                                << "64"
                                                                << "";
    QTest::newRow("no overview page keeps its starting fields") << false << true << "170"
                                                                << "64"
                                                                << "";
    QTest::newRow("empty sizes open") << true << true << ""
                                      << ""
                                      << "";
    QTest::newRow("letter in the width") << true << true << "17a"
                                         << "64"
                                         << "the picture width \"17a\" is not a number";
    QTest::newRow("space in the height") << true << true << "170"
                                         << "6 4"
                                         << "the picture height \"6 4\" is not a number";
    QTest::newRow("lone sign as the width") << true << true << "-"
                                            << "64"
                                            << "the picture width \"-\" is not a number";
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
    // Unlike the values a page left out reads as, so that either source shows.
    MissionBrief start;
    start.missionName = QStringLiteral("typed before");
    start.pictureSource = QStringLiteral("/pictures");
    start.pictureWidth = QStringLiteral("256");
    start.notesText = QStringLiteral("notes before");
    start.objectives = { QStringLiteral("first") };
    start.objectiveCount = QStringLiteral("1");
    start.endings[0].header = QStringLiteral("header before");

    QTemporaryDir dir;
    QVERIFY(!overview || writeFile(dir.filePath("overview.html"), overviewPageBytes(pages)));
    QVERIFY(!briefing || writeFile(dir.filePath("briefing.html"), briefingPageBytes(pages)));
    ScriptedPrompter prompter;
    const std::optional<MissionBrief> opened
        = readMissionToOpen(dir.path(), start, false, prompter);

    if (!refusal.isEmpty()) {
        QVERIFY(!opened);
        QCOMPARE(prompter.texts().size(), 1);
        QVERIFY2(prompter.texts().first().endsWith("overview.html: " + refusal),
                 qPrintable(prompter.texts().first()));
        return;
    }
    QVERIFY(prompter.shown.isEmpty());
    QVERIFY(opened);
    const MissionBrief &from = overview ? pages : start;
    MissionBrief expected = briefing ? pages : start;
    expected.missionName = from.missionName;
    expected.overviewText = from.overviewText;
    expected.pictureSource = from.pictureSource;
    expected.pictureWidth = from.pictureWidth;
    expected.pictureHeight = from.pictureHeight;
    expected.saveFolder = QDir::toNativeSeparators(dir.path());
    QCOMPARE(*opened, expected);
}

QTEST_GUILESS_MAIN(tst_ReadMission)
#include "tst_readmission.moc"
