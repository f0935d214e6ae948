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

#ifndef Q_OS_WIN
#include "childprocess.h"

#include <atomic>
#include <sys/stat.h>
#include <thread>
#endif

using Edit = QByteArray (*)(const QByteArray &);
using Setup = void (*)(const QString &folder);

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A large field is decoded in pieces: references, surrogates, line ends
// and letters of the code page meet the end of a piece at several shifts.
void addLargeFieldRows(bool readsBackEqual)
{
    const QString seam = QStringLiteral("\u4E2D&#8232;") + QChar(0xD83D)
        + QStringLiteral("&#56832;\u00E9 and on and on\r\n");
    for (int shift = 0; shift < 10; shift += 2) {
        MissionBrief large;
        large.notesText = QString((4 << 20) - 47 + 5 * shift, u'n') + seam.repeated(4);
        large.briefingText = QString((4 << 20) - 40 - 3 * shift, u'b') + seam.repeated(4);
        QTestData &row = QTest::addRow("large fields, shift %d", shift) << large;
        if (readsBackEqual)
            row << true;
    }
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
    void readsLargeFieldsWithLfLineEnds_data();
    void readsLargeFieldsWithLfLineEnds();
    void readsEditedPage_data();
    void readsEditedPage();
    void readsFolder_data();
    void readsFolder();
    void pipeSwappedInDoesNotBlock();
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
    QTest::newRow("typed entity and references to letters the code page has")
        << QByteArray("&amp;&#65;&#233;") << "&amp;&#65;&#233;";
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
    MissionBrief breaks = fullRecord();
    breaks.missionName = "Night\r\nRaid\r";
    breaks.pictureSource = "\nC:\\p\r\nq.jpg";
    breaks.objectives = { "a\r\nb", "\r\n", "c\n\r" };
    breaks.endings[0] = { "\r\nEnd", "Good\r\n" };
    breaks.endings[2] = { "a\r", "\nb" };
    breaks.endings[5] = { "x\r\n", "\r\ny" };
    breaks.notesText = "a&#64976;b&#64977;\r\n&#8232;&#8233;";
    QTest::newRow("line breaks in one-line fields, typed separators") << breaks << true;
    MissionBrief framed = breaks;
    framed.missionName = "a</a></h2>\r\n<p align=\"center\"><img src=\"b";
    framed.pictureSource = "s\"></p>\r\n<BR>\r\n<p>\r\n\" width=\"";
    framed.objectives = { "x\r\n</p>\r\n<hr>\r\n\r\n<p><a name = \"OBJ_2\"></a>y", "\r\n</p>" };
    framed.endings[0].header = "h\r\n</a>\r\n</h2>\r\n<br>\r\n<p>d";
    framed.endings[4].description
        = "d</p>\r\n<br>\r\n\r\n<hr>\r\n<br>\r\n<h2>\r\n<a name=\"Debriefing:End6\">";
    QTest::newRow("one-line fields holding the frame around them") << framed << false;
    MissionBrief unlisted = startRecord();
    unlisted.briefingText = "x\r\n</p>\r\n<hr>\r\n<p><a name = \"OBJ_1\"></a>y";
    unlisted.endings[3].header = "a\r\nb";
    QTest::newRow("objective frame in the briefing, none listed") << unlisted << true;
    MissionBrief many = startRecord();
    for (int i = 0; i < 500; ++i)
        many.objectives.append(QString::number(i));
    many.objectiveCount = "500";
    QTest::newRow("many objectives") << many << true;

    addLargeFieldRows(true);
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

void TestPageReader::readsLargeFieldsWithLfLineEnds_data()
{
    QTest::addColumn<MissionBrief>("brief");
    addLargeFieldRows(false);
}

void TestPageReader::readsLargeFieldsWithLfLineEnds()
{
    QFETCH(MissionBrief, brief);

    // Every line, or only the page's own lines, ending in LF alone.
    for (const QByteArray &end : { QByteArray("\r\n"), QByteArray("<hr>\r\n") }) {
        QByteArray page = briefingPageBytes(brief).replace(end, end.chopped(2) + '\n');
        const MissionPages pages = readMissionPages(std::nullopt, std::move(page));
        QVERIFY(pages.problems.isEmpty());
        QCOMPARE(pages.brief.notesText, brief.notesText);
        QCOMPARE(pages.brief.briefingText, brief.briefingText);
    }
}

void TestPageReader::readsEditedPage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("line"); // of the problem; 0: the page reads as written

    const QString o = "overview_full.html";
    const QString b = "briefing_full.html";
    QTest::newRow("LF line ends") << o << Edit([](const QByteArray &p) {
        return QByteArray(p).replace("\r\n", "\n");
    }) << 0;
    QTest::newRow("mixed line ends") << b << Edit([](const QByteArray &p) {
        return QByteArray(p).replace("<hr>\r\n", "<hr>\n");
    }) << 0;
    QTest::newRow("UTF-8 with byte-order mark") << o << Edit([](const QByteArray &p) {
        return "\xEF\xBB\xBF" + decodePageText(p).toUtf8();
    }) << 0;
    QTest::newRow("blanks after fixed lines") << b << Edit([](const QByteArray &p) {
        return QByteArray(p).replace("<hr>\r\n", "<hr> \t\r\n");
    }) << 0;
    QTest::newRow("empty page") << o << Edit([](const QByteArray &) { return QByteArray(); }) << 1;
    QTest::newRow("binary garbage")
        << b << Edit([](const QByteArray &) { return QByteArray("\0\xFF", 2); }) << 1;
    QTest::newRow("heading lost its end")
        << o << Edit([](const QByteArray &p) { return QByteArray(p).replace("</a></h2>", ""); })
        << 14;
    QTest::newRow("picture without height")
        << o << Edit([](const QByteArray &p) { return QByteArray(p).replace("\" height", ""); })
        << 15;
    QTest::newRow("cut short") << o << Edit([](const QByteArray &p) {
        return QByteArray(p).replace("</html>", "");
    }) << 25;
    QTest::newRow("notes not closed")
        << b << Edit([](const QByteArray &p) { return QByteArray(p).replace("</h6>", "<h6>"); })
        << 17;
    // Without its second objective the page is still one the writers give,
    // for a first objective that holds a line break; without its first not.
    QTest::newRow("first objective deleted") << b << Edit([](const QByteArray &p) {
        return QByteArray(p).replace(
            "<p><a name = \"OBJ_1\"></a>Destroy the radar\r\n</p>\r\n<hr>\r\n\r\n", "");
    }) << 22;
    QTest::newRow("endings out of order")
        << b << Edit([](const QByteArray &p) { return QByteArray(p).replace("End4", "End5"); })
        << 68;
    QTest::newRow("text after the end")
        << b << Edit([](const QByteArray &p) { return p + "x\r\n"; }) << 94;
}

void TestPageReader::readsEditedPage()
{
    QFETCH(QString, file);
    QFETCH(Edit, edit);
    QFETCH(int, line);

    const bool overview = file.startsWith("overview");
    const QByteArray bytes = edit(golden(file));
    const MissionPages pages
        = overview ? readMissionPages(bytes, std::nullopt) : readMissionPages(std::nullopt, bytes);
    // The page fills its own fields, or with a problem nothing at all.
    const bool filled = line == 0;
    const MissionBrief start;
    QCOMPARE(overviewPageBytes(pages.brief),
             overview && filled ? golden(file) : overviewPageBytes(start));
    QCOMPARE(briefingPageBytes(pages.brief),
             !overview && filled ? golden(file) : briefingPageBytes(start));
    QCOMPARE(pages.problems.size(), line ? 1 : 0);
    if (line) {
        QCOMPARE(pages.problems.first().line, line);
        QVERIFY(describeProblem(pages.problems.first())
                    .startsWith(QString("%1, line %2: expected ")
                                    .arg(file.section('_', 0, 0) + ".html")
                                    .arg(line)));
    }
}

void TestPageReader::readsFolder_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("noPages");

    QTest::newRow("briefing alone")
        << Setup([](const QString &f) { put(f + "/briefing.html", golden("briefing_full.html")); })
        << QString() << false;
    QTest::newRow("neither page") << Setup([](const QString &) {}) << QString() << true;
    QTest::newRow("folder in a page's place")
        << Setup([](const QString &f) { QDir(f).mkdir("overview.html"); })
        << "%1/overview.html is not a regular file." << false;
#ifndef Q_OS_WIN
    QTest::newRow("pipe") << Setup(
        [](const QString &f) { mkfifo(QFile::encodeName(f + "/briefing.html").constData(), 0600); })
                          << "%1/briefing.html is not a regular file." << false;
    QTest::newRow("link to a device")
        << Setup([](const QString &f) { QFile::link("/dev/zero", f + "/overview.html"); })
        << "%1/overview.html is not a regular file." << false;
#endif
    QTest::newRow("too large") << Setup(
        [](const QString &f) { put(f + "/overview.html", QByteArray(4097, 'x')); })
                               << "%1/overview.html is larger than 4 KiB." << false;
}

void TestPageReader::readsFolder()
{
    QFETCH(Setup, setup);
    QFETCH(QString, error);
    QFETCH(bool, noPages);

    QTemporaryDir dir;
    setup(dir.path());
    const MissionFolderRead read = readMissionFolder(dir.path(), 4096);
    QCOMPARE(read.errors.join(QString()),
             QDir::toNativeSeparators(QString(error).replace("%1", dir.path())));
    QCOMPARE(read.noPages(), noPages);
    QCOMPARE(read.pages.hasBriefing, QFileInfo(dir.filePath("briefing.html")).isFile());
}

// A page that turns into a pipe between being looked at and being opened
// must not hold the reader: another thread swaps the two while it reads.
void TestPageReader::pipeSwappedInDoesNotBlock()
{
#ifdef Q_OS_WIN
    QSKIP("a named pipe in a folder is POSIX's");
#else
    QTemporaryDir dir;
    put(dir.filePath("regular"), golden("overview_full.html"));
    const QByteArray regular = QFile::encodeName(dir.filePath("regular"));
    const QByteArray staged = QFile::encodeName(dir.filePath("staged"));
    const QByteArray page = QFile::encodeName(dir.filePath("overview.html"));
    const QByteArray report = runInChild({ .seconds = 10 }, [&] {
        std::atomic<bool> stop { false };
        std::thread swapper([&] {
            while (!stop) {
                link(regular.constData(), staged.constData());
                rename(staged.constData(), page.constData());
                mkfifo(staged.constData(), 0600);
                rename(staged.constData(), page.constData());
            }
        });
        for (int i = 0; i < 4000; ++i)
            (void)readMissionFolder(dir.path());
        stop = true;
        swapper.join();
        return QByteArray("done");
    });
    QCOMPARE(report, "done");
#endif
}

QTEST_GUILESS_MAIN(TestPageReader)
#include "tst_pagereader.moc"
