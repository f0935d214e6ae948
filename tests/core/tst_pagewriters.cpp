#include "missionbrief.h"
#include "pageencoding.h"
#include "pagerecords.h"
#include "pagewriters.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using PageBytes = QByteArray (*)(const MissionBrief &);

int lineCount(const QByteArray &page)
{
    return int(page.count("\r\n"));
}

} // namespace

class TestPageWriters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesGoldenPage_data();
    void matchesGoldenPage();
    void briefingLineCount_data();
    void briefingLineCount();
    void encodesCharacters_data();
    void encodesCharacters();
    void writesPagesIntoFolder();
    void rewriteReplacesLongerPage();
    void writesLongFieldWhole_data();
    void writesLongFieldWhole();
};

void TestPageWriters::matchesGoldenPage_data()
{
    QTest::addColumn<MissionBrief>("brief");
    QTest::addColumn<PageBytes>("bytes");
    QTest::addColumn<QString>("goldenName");

    QTest::newRow("overview from starting values")
        << startRecord() << PageBytes(&overviewPageBytes) << "overview_start.html";
    QTest::newRow("briefing from starting values")
        << startRecord() << PageBytes(&briefingPageBytes) << "briefing_start.html";
    QTest::newRow("overview with markup, multi-line text and foreign characters")
        << fullRecord() << PageBytes(&overviewPageBytes) << "overview_full.html";
    QTest::newRow("briefing with duplicate and blank objectives, emptied ending")
        << fullRecord() << PageBytes(&briefingPageBytes) << "briefing_full.html";
}

void TestPageWriters::matchesGoldenPage()
{
    QFETCH(MissionBrief, brief);
    QFETCH(PageBytes, bytes);
    QFETCH(QString, goldenName);

    const QByteArray expected = golden(goldenName);
    const QByteArray actual = bytes(brief);
    if (actual != expected) {
        const QList<QByteArray> got = actual.split('\n');
        const QList<QByteArray> want = expected.split('\n');
        for (qsizetype i = 0; i < qMin(got.size(), want.size()); ++i)
            QCOMPARE(got.at(i), want.at(i));
        QCOMPARE(got.size(), want.size());
    }
    QCOMPARE(actual, expected);
}

void TestPageWriters::briefingLineCount_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("briefing");
    QTest::addColumn<int>("objectives");
    QTest::addColumn<int>("expectedLines");

    QTest::newRow("no objectives") << ""
                                   << "" << 0 << 78;
    QTest::newRow("one objective") << "n"
                                   << "b" << 1 << 82;
    QTest::newRow("twelve objectives") << ""
                                       << "b" << 12 << 78 + 48;
    QTest::newRow("each extra notes and briefing line adds one") << "a\r\nb\r\nc"
                                                                 << "x\r\ny" << 2 << 78 + 8 + 3;
}

void TestPageWriters::briefingLineCount()
{
    QFETCH(QString, notes);
    QFETCH(QString, briefing);
    QFETCH(int, objectives);
    QFETCH(int, expectedLines);

    MissionBrief brief = startRecord();
    brief.notesText = notes;
    brief.briefingText = briefing;
    for (int i = 0; i < objectives; ++i)
        brief.objectives.append(QStringLiteral("Objective %1").arg(i + 1));
    const QByteArray page = briefingPageBytes(brief);
    QCOMPARE(lineCount(page), expectedLines);
    QVERIFY(page.endsWith("</body>\r\n</html>\r\n"));
    for (int i = 1; i <= objectives; ++i)
        QVERIFY(page.contains("<p><a name = \"OBJ_" + QByteArray::number(i) + "\"></a>Objective "
                              + QByteArray::number(i) + "\r\n</p>\r\n<hr>\r\n\r\n"));
    QCOMPARE(page.count("\"OBJ_"), objectives);
    if (objectives == 0)
        QVERIFY(page.contains("</p>\r\n<hr>\r\n<hr>\r\n<br>\r\n<h2>\r\n"));
}

void TestPageWriters::encodesCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain ascii and markup") << "<a & \"b\">" << QByteArray("<a & \"b\">");
    QTest::newRow("czech letters") << QStringLiteral("\u010D\u0159\u017E\u00E1\u016F\u0148")
                                   << QByteArray("\xE8\xF8\x9E\xE1\xF9\xF2");
    QTest::newRow("euro and ellipsis") << QStringLiteral("\u20AC\u2026") << QByteArray("\x80\x85");
    QTest::newRow("no-break space") << QStringLiteral("a\u00A0b")
                                    << QByteArray("a\xA0"
                                                  "b");
    QTest::newRow("snowman") << QStringLiteral("\u2603") << QByteArray("&#9731;");
    QTest::newRow("emoji is one code point")
        << QString::fromUtf8("a\xF0\x9F\x98\x80z") << QByteArray("a&#128512;z");
    QTest::newRow("letter missing from the code page")
        << QStringLiteral("\u00F1") << QByteArray("&#241;");
    QTest::newRow("lone surrogate kept as its number")
        << QString(QChar(0xD83D)) + QLatin1Char('x') << QByteArray("&#55357;x");
    QTest::newRow("replacement character") << QStringLiteral("\uFFFD") << QByteArray("&#65533;");
    QTest::newRow("control characters and line ends pass")
        << QStringLiteral("\t\r\n\x1A") << QByteArray("\t\r\n\x1A");
    QTest::newRow("mixed in one text")
        << QStringLiteral("\u2603\u00E9\u2603") << QByteArray("&#9731;\xE9&#9731;");
    QTest::newRow("long runs around a letter and a reference")
        << QString(17, u'a') + u'\u010D' + QString(16, u'b') + u'\u2603' + QString(31, u'c')
        << QByteArray(17, 'a') + '\xE8' + QByteArray(16, 'b') + "&#9731;" + QByteArray(31, 'c');
    QTest::newRow("letters on both sides of a reference within sixteen")
        << QStringLiteral("\u010Dab\u2603\u0159") + QString(11, u'x') + u'\u017E'
            + QString(15, u'y')
        << "\xE8"
           "ab&#9731;\xF8"
            + QByteArray(11, 'x') + '\x9E' + QByteArray(15, 'y');
    QTest::newRow("emoji across sixteen units")
        << QString(15, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80") + QString(16, u'z')
        << QByteArray(15, 'a') + "&#128512;" + QByteArray(16, 'z');
}

void TestPageWriters::encodesCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(encodePageText(text), expected);

    MissionBrief brief = startRecord();
    brief.overviewText = text;
    QVERIFY(overviewPageBytes(brief).contains("<p>\r\n" + expected + "\r\n<br>\r\n"));
}

void TestPageWriters::writesPagesIntoFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MissionBrief brief = fullRecord();
    brief.saveFolder = dir.path();

    const WriteResult overview = writeOverviewPage(brief, PathStyle::Posix);
    const WriteResult briefing = writeBriefingPage(brief, PathStyle::Posix);
    QVERIFY(overview.ok);
    QVERIFY(briefing.ok);
    QVERIFY(overview.reason.isEmpty());
    QCOMPARE(overview.path, dir.path() + QStringLiteral("/overview.html"));
    QCOMPARE(briefing.path, dir.path() + QStringLiteral("/briefing.html"));
    QCOMPARE(readFile(overview.path), golden(QStringLiteral("overview_full.html")));
    QCOMPARE(readFile(briefing.path), golden(QStringLiteral("briefing_full.html")));

    const QByteArray first = readFile(briefing.path);
    QVERIFY(writeBriefingPage(brief, PathStyle::Posix).ok);
    QCOMPARE(readFile(briefing.path), first);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({ QStringLiteral("briefing.html"), QStringLiteral("overview.html") }));
}

void TestPageWriters::rewriteReplacesLongerPage()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    MissionBrief brief = startRecord();
    brief.saveFolder = dir.path();
    brief.overviewText = QString(5000, QLatin1Char('x'));
    QVERIFY(writeOverviewPage(brief, PathStyle::Posix).ok);

    brief.overviewText.clear();
    const WriteResult again = writeOverviewPage(brief, PathStyle::Posix);
    QVERIFY(again.ok);
    QCOMPARE(readFile(again.path), golden(QStringLiteral("overview_start.html")));
}

void TestPageWriters::writesLongFieldWhole_data()
{
    QTest::addColumn<int>("pairAt");
    for (const int at : { 65534, 65535, 65536, 131071 })
        QTest::addRow("pair at %d", at) << at;
}

// A page is written to its file as it is made; what lands there is the page
// made whole, also where a surrogate pair meets a piece's end.
void TestPageWriters::writesLongFieldWhole()
{
    QFETCH(int, pairAt);
    QTemporaryDir dir;
    MissionBrief brief = startRecord();
    brief.saveFolder = dir.path();
    brief.briefingText
        = QString(pairAt, u'\u010D') + QString::fromUtf8("\xF0\x9F\x98\x80") + QString(70000, u'b');
    const WriteResult written = writeBriefingPage(brief, PathStyle::Posix);
    QVERIFY(written.ok);
    const QByteArray page = readFile(written.path);
    QCOMPARE(page.count("&#128512;"), 1);
    QCOMPARE(page, briefingPageBytes(brief));
}

QTEST_GUILESS_MAIN(TestPageWriters)
#include "tst_pagewriters.moc"
