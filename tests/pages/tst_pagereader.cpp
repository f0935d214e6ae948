#include "missionfolder.h"
#include "pageencoding.h"
#include "pagereader.h"
#include "pagerecords.h"
#include "pagewriters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Page = PageProblem::Page;
using Edit = QByteArray (*)(QByteArray);
using Setup = void (*)(const QString &folder);

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void putGolden(const QString &folder)
{
    put(folder + "/overview.html", golden("overview_full.html"));
    put(folder + "/briefing.html", golden("briefing_full.html"));
}

} // namespace

class TestPageReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesWhatTheEncoderWrites_data();
    void decodesWhatTheEncoderWrites();
    void writesBackTheSameBytes_data();
    void writesBackTheSameBytes();
    void toleratesHandEdits_data();
    void toleratesHandEdits();
    void reportsBrokenFrame_data();
    void reportsBrokenFrame();
    void readsFolder_data();
    void readsFolder();
};

void TestPageReader::decodesWhatTheEncoderWrites_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    QByteArray everyByte;
    for (int b = 1; b < 256; ++b)
        everyByte.append(char(b));
    QTest::newRow("every byte") << everyByte << QString();
    QTest::newRow("czech letters") << QByteArray("\xE8\xF8\x9E") << "\u010D\u0159\u017E";
    QTest::newRow("snowman") << QByteArray("a&#9731;b") << "a\u2603b";
    QTest::newRow("emoji") << QByteArray("&#128512;") << emoji;
    QTest::newRow("typed entity") << QByteArray("&amp;&lt;") << "&amp;&lt;";
    QTest::newRow("reference to a letter the code page has")
        << QByteArray("&#65;&#233;") << "&#65;&#233;";
    QTest::newRow("hex, padded, unclosed, too large")
        << QByteArray("&#x263A;&#09731;&#9731&#1114112;&#;")
        << "&#x263A;&#09731;&#9731&#1114112;&#;";
    QTest::newRow("lone surrogates")
        << QByteArray("&#56832;&#55357;x") << QString(QChar(0xDE00)) + QChar(0xD83D) + 'x';
    QTest::newRow("typed low surrogate reference after a lone high one")
        << QByteArray("&#55357;&#56832;") << QString(QChar(0xD83D)) + "&#56832;";
}

void TestPageReader::decodesWhatTheEncoderWrites()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(encodePageText(decodePageText(bytes)), bytes);
    if (!text.isNull())
        QCOMPARE(decodePageText(bytes), text);
}

void TestPageReader::writesBackTheSameBytes_data()
{
    QTest::addColumn<MissionBrief>("brief");
    QTest::addColumn<bool>("readsBackEqual");

    QTest::newRow("full record") << fullRecord() << true;
    MissionBrief empty;
    empty.pictureSource = empty.pictureWidth = empty.pictureHeight = QString();
    empty.endings = {};
    QTest::newRow("empty everything") << empty << true;
    MissionBrief tricky = startRecord();
    tricky.pictureSource = "C:\\a\" width=\"9\" height=\"9.jpg";
    tricky.overviewText = "<br>\r\n</p>\r\n\r\n</body>\r\n</html>";
    tricky.notesText = "\r\n\n\r\r";
    tricky.briefingText = "&amp; &#65; \u2603" + QString::fromUtf8("\xF0\x9F\x98\x80") + "\r\n"
        + QChar(0xD83D) + "&#56832;\r\n\u0081\u0098";
    tricky.objectives = { "a\rb\n", "", "  " };
    tricky.objectiveCount = "3";
    tricky.endings[0] = { "</a>x</a>", "<p></p>" };
    QTest::newRow("framing-like fields, lone line ends, references") << tricky << true;
    MissionBrief notes = startRecord();
    notes.notesText = "a\r\n</h6>\r\n<hr>\r\n<p><a name=\"Plan\"></a>\r\nb";
    notes.briefingText = "</p>\r\n<hr>\r\n<p><a name = \"OBJ_1\"></a>x\r\n</p>\r\n<hr>\r\n";
    QTest::newRow("briefing frame inside the notes") << notes << false;
    MissionBrief many = startRecord();
    for (int i = 0; i < 500; ++i)
        many.objectives.append(QString::number(i));
    many.objectiveCount = "500";
    QTest::newRow("many objectives") << many << true;
}

void TestPageReader::writesBackTheSameBytes()
{
    QFETCH(MissionBrief, brief);
    QFETCH(bool, readsBackEqual);

    const MissionPages pages = readMissionPages(overviewPageBytes(brief), briefingPageBytes(brief));
    QVERIFY(pages.problems.isEmpty());
    QCOMPARE(overviewPageBytes(pages.brief), overviewPageBytes(brief));
    QCOMPARE(briefingPageBytes(pages.brief), briefingPageBytes(brief));
    if (readsBackEqual)
        QVERIFY(pages.brief == brief);
}

void TestPageReader::toleratesHandEdits_data()
{
    QTest::addColumn<Edit>("edit");

    QTest::newRow("as written") << Edit([](QByteArray p) { return p; });
    QTest::newRow("LF line ends") << Edit([](QByteArray p) { return p.replace("\r\n", "\n"); });
    QTest::newRow("mixed line ends") << Edit(
        [](QByteArray p) { return p.replace("<hr>\r\n", "<hr>\n").replace("two\r\n", "two\n"); });
    QTest::newRow("UTF-8 with byte-order mark")
        << Edit([](QByteArray p) { return "\xEF\xBB\xBF" + decodePageText(p).toUtf8(); });
    QTest::newRow("blanks after fixed lines") << Edit([](QByteArray p) {
        return p.replace("<hr>\r\n", "<hr> \t\r\n").replace("</h2>\r\n", "</h2>  \r\n");
    });
}

void TestPageReader::toleratesHandEdits()
{
    QFETCH(Edit, edit);
    const QByteArray overview = edit(golden("overview_full.html"));
    const QByteArray briefing = edit(golden("briefing_full.html"));

    const MissionPages both = readMissionPages(overview, briefing);
    QCOMPARE(both.problems, QList<PageProblem>());
    QVERIFY(both.brief == fullRecord());
    // A page alone fills its own fields and leaves the other page's alone.
    const MissionBrief overviewOnly = readMissionPages(overview, std::nullopt).brief;
    QCOMPARE(overviewPageBytes(overviewOnly), golden("overview_full.html"));
    QCOMPARE(briefingPageBytes(overviewOnly), briefingPageBytes(MissionBrief()));
    const MissionBrief briefingOnly = readMissionPages(std::nullopt, briefing).brief;
    QCOMPARE(briefingPageBytes(briefingOnly), golden("briefing_full.html"));
    QCOMPARE(overviewPageBytes(briefingOnly), overviewPageBytes(MissionBrief()));
}

void TestPageReader::reportsBrokenFrame_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("description");

    const auto row = [](const char *name, Page page, Edit edit, const char *description) {
        QTest::newRow(name) << page << edit << QString::fromUtf8(description);
    };
    row(
        "empty page", Page::Overview, [](QByteArray) { return QByteArray(); },
        "overview.html, line 1: expected <html> (the page ends before it)");
    row(
        "binary garbage", Page::Briefing, [](QByteArray) { return QByteArray("\0\xFF\n\r", 4); },
        "briefing.html, line 1: expected <html>");
    row(
        "heading lost its end", Page::Overview,
        [](QByteArray p) { return p.replace("</a></h2>", "</h2>"); },
        "overview.html, line 14: expected a line starting <h2 align=\"center\"><a name=\"Main\"> "
        "and ending </a></h2>");
    row(
        "picture without height", Page::Overview,
        [](QByteArray p) { return p.replace("\" height=\"", "\" h=\""); },
        "overview.html, line 15: expected a line <p align=\"center\"><img src=\"SOURCE\" "
        "width=\"WIDTH\" height=\"HEIGHT\"></p>");
    row(
        "cut short", Page::Overview, [](QByteArray p) { return p.left(p.indexOf("</body>")); },
        "overview.html, line 23: expected </html>");
    row(
        "notes not closed", Page::Briefing, [](QByteArray p) { return p.replace("</h6>", "<h6>"); },
        "briefing.html, line 17: expected </h6>");
    row(
        "second objective deleted", Page::Briefing,
        [](QByteArray p) {
            const qsizetype at = p.indexOf("<p><a name = \"OBJ_2");
            return p.remove(at, p.indexOf("<p><a name = \"OBJ_3") - at);
        },
        "briefing.html, line 26: expected a line starting <p><a name = \"OBJ_2\"></a>");
    row(
        "endings out of order", Page::Briefing,
        [](QByteArray p) { return p.replace("End4", "End5"); },
        "briefing.html, line 68: expected a line starting <a name=\"Debriefing:End4\"> and ending "
        "</a>");
    row(
        "text after the end", Page::Briefing, [](QByteArray p) { return p + "x\r\n"; },
        "briefing.html, line 94: expected </html>");
}

void TestPageReader::reportsBrokenFrame()
{
    QFETCH(Page, page);
    QFETCH(Edit, edit);
    QFETCH(QString, description);

    const bool overview = page == Page::Overview;
    const QByteArray bytes = edit(golden(overview ? "overview_full.html" : "briefing_full.html"));
    const MissionPages pages
        = overview ? readMissionPages(bytes, std::nullopt) : readMissionPages(std::nullopt, bytes);
    QCOMPARE(pages.problems.size(), 1);
    QCOMPARE(describeProblem(pages.problems.first()), description);
    QVERIFY(pages.brief == MissionBrief());
}

void TestPageReader::readsFolder_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<bool>("noPages");

    QTest::newRow("both pages") << Setup(putGolden) << QStringList() << false;
    QTest::newRow("neither page") << Setup([](const QString &) {}) << QStringList() << true;
    QTest::newRow("folder in a page's place")
        << Setup([](const QString &f) { QDir(f).mkdir("overview.html"); })
        << QStringList("%1/overview.html is not a regular file.") << false;
    QTest::newRow("pipe") << Setup(
        [](const QString &f) { mkfifo(QFile::encodeName(f + "/briefing.html").constData(), 0600); })
                          << QStringList("%1/briefing.html is not a regular file.") << false;
    QTest::newRow("link to a device")
        << Setup([](const QString &f) { QFile::link("/dev/zero", f + "/overview.html"); })
        << QStringList("%1/overview.html is not a regular file.") << false;
    QTest::newRow("too large") << Setup([](const QString &f) {
        putGolden(f);
        put(f + "/overview.html", QByteArray(4097, 'x'));
    }) << QStringList("%1/overview.html is larger than 4 KiB.")
                               << false;
}

void TestPageReader::readsFolder()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, errors);
    QFETCH(bool, noPages);

    QTemporaryDir dir;
    setup(dir.path());
    const MissionFolderRead read = readMissionFolder(dir.path(), 4096);
    QCOMPARE(read.errors, errors.replaceInStrings("%1", dir.path()));
    QCOMPARE(read.noPages(), noPages);
    QCOMPARE(read.pages.hasBriefing, QFileInfo(dir.filePath("briefing.html")).isFile());
}

QTEST_GUILESS_MAIN(TestPageReader)
#include "tst_pagereader.moc"
