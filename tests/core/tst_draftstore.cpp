#include "draftstore.h"
#include "pagerecords.h"
#include "pagewriters.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The rules of keeping drafts, on a real drafts folder with a clock that
// moves one second per reading.
class tst_DraftStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsOnlyUnwrittenTexts_data();
    void keepsOnlyUnwrittenTexts();
    void survivesAFolderThatCannotBeWritten();

private:
    QDateTime m_now = QDateTime(QDate(2026, 12, 7), QTime(16, 0), Qt::UTC);
    DraftStore::Clock m_clock = [this] { return m_now = m_now.addSecs(1); };
};

void tst_DraftStore::keepsOnlyUnwrittenTexts_data()
{
    QTest::addColumn<QStringList>("steps"); // texts kept in turn; "aside", "new session"
    QTest::addColumn<QStringList>("kept"); // mission names, newest first
    const QStringList none;
    QTest::newRow("typed texts are kept") << QStringList { "a" } << QStringList { "a" };
    QTest::newRow("starting values are not") << QStringList { "start" } << none;
    QTest::newRow("another save folder alone is not") << QStringList { "moved" } << none;
    QTest::newRow("the pages last written are not") << QStringList { "written" } << none;
    QTest::newRow("one draft rewritten in place")
        << QStringList { "a", "b" } << QStringList { "b" };
    QTest::newRow("typing back to the start removes it") << QStringList { "a", "start" } << none;
    QTest::newRow("set aside, a new one begins")
        << QStringList { "a", "aside", "b", "written" } << QStringList { "a" };
    QStringList sessions, newest;
    for (char16_t name = u'A'; name < u'A' + 25; ++name) {
        sessions << "new session" << QString(QChar(name));
        newest.prepend(QString(QChar(name)));
    }
    QTest::newRow("the newest twenty are kept")
        << sessions << newest.mid(0, DraftStore::keptDrafts);
}

void tst_DraftStore::keepsOnlyUnwrittenTexts()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, kept);
    QTemporaryDir dir;
    auto drafts = std::make_unique<DraftStore>(dir.path(), m_clock);
    MissionBrief start, written = fullRecord(), texts = fullRecord();
    start.saveFolder = "/missions/one";
    for (const QString &step : steps) {
        if (step == "aside")
            drafts->setAside();
        else if (step == "new session")
            drafts = std::make_unique<DraftStore>(dir.path(), m_clock);
        else {
            texts = step == "start" || step == "moved" ? start
                : step == "written"                    ? written
                                                       : fullRecord();
            if (step.size() == 1)
                texts.missionName = step,
                texts.saveFolder = QStringLiteral(u"/mise/n\u011Bco ") + step;
            texts.saveFolder = step == "moved" ? "/missions/two" : texts.saveFolder;
            QVERIFY(drafts->keep(texts, start, written).ok);
        }
    }
    const QList<Draft> found = drafts->drafts();
    QStringList names;
    for (const Draft &draft : found)
        names << draft.brief.missionName;
    QCOMPARE(names, kept);
    if (!found.isEmpty() && names.first() == texts.missionName) {
        QCOMPARE(found.first().brief.saveFolder, texts.saveFolder);
        QCOMPARE(overviewPageBytes(found.first().brief), overviewPageBytes(texts));
        QCOMPARE(briefingPageBytes(found.first().brief), briefingPageBytes(texts));
    }
}

void tst_DraftStore::survivesAFolderThatCannotBeWritten()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("state");
    QVERIFY(writeFile(blocker, "not a folder"));
    DraftStore drafts(blocker + "/drafts", m_clock);
    for (bool shown : { true, false }) {
        QVERIFY(!drafts.keep(startRecord(), {}, {}).ok);
        QVERIFY(drafts.failure().contains(QDir::toNativeSeparators(blocker)));
        QCOMPARE(drafts.takeFailureToShow(), shown);
    }
    QVERIFY(QFile::remove(blocker));
    QVERIFY(drafts.keep(startRecord(), {}, {}).ok);
    QCOMPARE(drafts.drafts().size(), 1);
}

QTEST_GUILESS_MAIN(tst_DraftStore)
#include "tst_draftstore.moc"
