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
    // Steps in turn: a one-letter mission name is typed texts; "start",
    // "moved" (the start in another save folder) and "written" are kept
    // too; "aside" sets the draft aside; "new" starts another session.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("kept"); // mission names, newest first
    QTest::newRow("typed texts are kept") << "a"
                                          << "a";
    QTest::newRow("starting values are not") << "start"
                                             << "";
    QTest::newRow("another save folder alone is not") << "moved"
                                                      << "";
    QTest::newRow("the pages last written are not") << "a written"
                                                    << "";
    QTest::newRow("one draft rewritten in place") << "a b"
                                                  << "b";
    QTest::newRow("typing back to the start removes it") << "a start"
                                                         << "";
    QTest::newRow("set aside, a new one begins") << "a aside b written"
                                                 << "a";
    QString sessions, newest;
    for (char name = 'A'; name < 'A' + 25; ++name)
        sessions += QStringLiteral("new %1 ").arg(name), newest.prepend(QChar(name));
    QTest::newRow("the newest twenty are kept") << sessions << newest.left(DraftStore::keptDrafts);
}

void tst_DraftStore::keepsOnlyUnwrittenTexts()
{
    QFETCH(QString, steps);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    auto drafts = std::make_unique<DraftStore>(dir.path(), m_clock);
    MissionBrief start, moved, texts;
    start.saveFolder = "/missions/one";
    moved.saveFolder = "/missions/two";
    const MissionBrief written = fullRecord();
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        if (step == "aside") {
            drafts->setAside();
        } else if (step == "new") {
            drafts = std::make_unique<DraftStore>(dir.path(), m_clock);
        } else {
            texts = step == "start" ? start : step == "moved" ? moved : written;
            if (step.size() == 1)
                texts.missionName = step,
                texts.saveFolder = QStringLiteral(u"/mise/n\u011Bco ") + step;
            QVERIFY(drafts->keep(texts, start, RecordDigest(written)).ok);
        }
    }
    const QList<Draft> found = drafts->drafts();
    QString names;
    for (const Draft &draft : found)
        names += draft.brief.missionName;
    QCOMPARE(names, kept);
    if (!found.isEmpty() && names.startsWith(texts.missionName)) {
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
        QCOMPARE(drafts.hasFailureToShow(), shown);
        QCOMPARE(drafts.takeFailureToShow(), shown);
    }
    QVERIFY(QFile::remove(blocker));
    QVERIFY(drafts.keep(startRecord(), {}, {}).ok);
    QCOMPARE(drafts.drafts().size(), 1);
}

QTEST_GUILESS_MAIN(tst_DraftStore)
#include "tst_draftstore.moc"
