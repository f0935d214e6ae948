#include "pagerecords.h"
#include "pagewriters.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// "quillmark --check" run with no display at all, over golden missions,
// missions made broken here and a campaign folder of them.
class TestCheckCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void check_data();
    void check();

private:
    QTemporaryDir m_dir;
    [[nodiscard]] bool write(const QString &folder, const QByteArray &overview,
                             const QByteArray &briefing = {}) const
    {
        const QString path = m_dir.filePath(folder);
        return QDir().mkpath(path) && writeFile(path + "/overview.html", overview)
            && (briefing.isNull() || writeFile(path + "/briefing.html", briefing));
    }
};

void TestCheckCommand::initTestCase()
{
    QVERIFY(write("golden/full", golden("overview_full.html"), golden("briefing_full.html")));
    QVERIFY(write("golden/start", golden("overview_start.html"), golden("briefing_start.html")));
    MissionBrief clean = startRecord();
    clean.pictureSource = "icons/quillmark-16.png";
    clean.objectives = QStringList { "Take the bridge" };
    clean.objectiveCount = "1";
    QVERIFY(write("campaign/1 clean", overviewPageBytes(clean), briefingPageBytes(clean)));
    QVERIFY(QDir().mkpath(m_dir.filePath("campaign/1 clean/icons"))
            && QFile::copy(QUILLMARK_SOURCE_DIR "/resources/icons/quillmark-16.png",
                           m_dir.filePath("campaign/1 clean/icons/quillmark-16.png")));
    MissionBrief faulty = startRecord();
    faulty.missionName.clear();
    faulty.pictureHeight = "65";
    faulty.objectives = QStringList { "<b>Hold" };
    faulty.objectiveCount = "1";
    QVERIFY(write("campaign/2 faulty", overviewPageBytes(faulty), briefingPageBytes(faulty)));
    QVERIFY(QDir().mkpath(m_dir.filePath("campaign/3 not a mission")));
    QVERIFY(write("broken/cut", overviewPageBytes(clean).replace("</title>", "</titel>")));
    QVERIFY(write("broken/half", overviewPageBytes(clean)));
}

void TestCheckCommand::check_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines"); // how each line printed starts
    const QString check = "--check";
    QTest::newRow("golden pages")
        << QStringList { check, "golden/full/", "golden/start/overview.html" } << 1
        << QStringList { "golden/full/overview.html: note: Overview: Characters",
                         "golden/full/overview.html: warning: Picture: No picture chosen",
                         "golden/full/overview.html: error: Picture Width: Width must be even",
                         "golden/full/briefing.html: warning: Objective 2: This objective is empty",
                         "golden/full/briefing.html: note: Objective 3: Repeats objective 1",
                         "golden/start/overview.html: warning: Picture: No picture chosen",
                         "golden/start/briefing.html: note: No objectives: Create Files will ask",
                         "2 missions checked: 1 with errors, 1 with warnings." };
    // The clean mission is named twice, checked once and says nothing.
    QTest::newRow("a campaign, in name order, past Qt's own option")
        << QStringList { "-platform", "xcb", check, "campaign/1 clean/briefing.html", "campaign" }
        << 1
        << QStringList { "campaign/2 faulty/overview.html: error: Mission Name: Please Enter",
                         "campaign/2 faulty/overview.html: warning: Picture: No picture",
                         "campaign/2 faulty/overview.html: error: Picture Height: Height must",
                         "campaign/2 faulty/briefing.html: warning: Objective 1: <b> is opened",
                         "2 missions checked: 1 with errors, 0 with warnings." };
    QTest::newRow("pages that cannot be read back")
        << QStringList { check,    "broken/cut", "broken/half",
                         "broken", "nowhere",    "campaign/3 not a mission" }
        << 1
        << QStringList { "broken/cut/overview.html:8: error: expected <title>Overview</title>, "
                         "found <title>Overview</titel>",
                         "broken/cut/briefing.html: error: The page is missing.",
                         "broken/half/briefing.html: error: The page is missing.",
                         "broken/half/overview.html: warning: Picture: No picture chosen",
                         "nowhere: error: No such file or folder.",
                         "campaign/3 not a mission: error: No mission pages",
                         "4 missions checked: 4 with errors, 0 with warnings." };
    QTest::newRow("no path") << QStringList { check } << 2
                             << QStringList { "quillmark: --check needs a mission folder" };
    QTest::newRow("unknown option")
        << QStringList { "--bogus" } << 2
        << QStringList { "quillmark: unknown option 'bogus'", "", "Usage:" };
    QTest::newRow("two missions to open")
        << QStringList { "golden/full", "golden/start" } << 2
        << QStringList { "quillmark: one mission at a time: unexpected argument 'golden/start'" };
}

void TestCheckCommand::check()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    if (!speaksLanguageOf("C"))
        QSKIP("the program speaks the user's language, not English");
    // Each line starts with the path as the system writes it.
    for (QString &line : lines) {
        const qsizetype path = line.indexOf(':');
        if (path > 0)
            line = QDir::toNativeSeparators(line.left(path)) + line.mid(path);
    }
    QProcess process;
    withoutDisplay(process);
    process.setWorkingDirectory(m_dir.path());
    process.start(QUILLMARK_BIN_DIR "/quillmark", arguments);
    QVERIFY(process.waitForFinished(10000));
    QStringList printed = QString::fromLocal8Bit(status == 2 ? process.readAllStandardError()
                                                             : process.readAllStandardOutput())
                              .replace("\r\n", "\n")
                              .split('\n');
    if (status != 2) {
        QCOMPARE(printed.takeLast(), QString());
        QCOMPARE(printed.size(), lines.size());
    }
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(printed.value(i).startsWith(lines[i]), qPrintable(printed.value(i)));
    QCOMPARE(process.exitCode(), status);
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
