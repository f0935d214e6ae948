#include "previewdocument.h"
#include "previewpictures.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// The displayed copy of hostile or large pages: what it reads, how far it
// goes, and that it is still the page.
class TestPreviewDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pictureLoads_data();
    void pictureLoads();
    void oneDecodeForEveryAddress();
    void pageIsBounded_data();
    void pageIsBounded();
    void linesBecomeBlocksAndTargetIsFound();

private:
    QTemporaryDir m_folder;
};

void TestPreviewDocument::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(m_folder.filePath(QStringLiteral("pic.bmp"))));
#ifdef Q_OS_UNIX
    QVERIFY(::mkfifo(qPrintable(m_folder.filePath(QStringLiteral("fifo.png"))), 0600) == 0);
#endif
    QFile big(m_folder.filePath(QStringLiteral("big.bmp")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(PreviewPictures::maxFileBytes + 1));
}

void TestPreviewDocument::pictureLoads_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("loads");
    QTest::newRow("relative to the page") << "pic.bmp" << true;
    QTest::newRow("through ..") << "sub/../pic.bmp" << true;
    QTest::newRow("absolute") << m_folder.filePath(QStringLiteral("pic.bmp")) << true;
    QTest::newRow("fifo") << "fifo.png" << false;
    QTest::newRow("device") << "/dev/zero" << false;
    QTest::newRow("over the size bound") << "big.bmp" << false;
    QTest::newRow("inline data") << "data:image/bmp;base64,Qk0=" << false;
    QTest::newRow("network") << "http://127.0.0.1:9/pic.bmp" << false;
    QTest::newRow("program resource")
        << ":/qt-project.org/qmessagebox/images/qtlogo-64.png" << false;
}

void TestPreviewDocument::pictureLoads()
{
    QFETCH(QString, address);
    QFETCH(bool, loads);
    QCOMPARE(!PreviewPictures::load(QUrl(address), m_folder.path()).isNull(), loads);
}

void TestPreviewDocument::oneDecodeForEveryAddress()
{
    const QImage first = PreviewPictures::load(QUrl(QStringLiteral("pic.bmp")), m_folder.path());
    const QImage second
        = PreviewPictures::load(QUrl(QStringLiteral("./x/../pic.bmp")), m_folder.path());
    QVERIFY(!first.isNull());
    QCOMPARE(second.cacheKey(), first.cacheKey());
}

void TestPreviewDocument::pageIsBounded_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<bool>("tooComplex");
    QTest::addColumn<QString>("shown"); // in the plain text, where it applies

    QTest::newRow("22 nested tables")
        << QByteArray("<table><tr><td>").repeated(22) + "deep" << false << true << "";
    QTest::newRow("4 nested tables")
        << QByteArray("<table><tr><td>").repeated(4) + "deep" << false << false << "deep";
    QTest::newRow("200 nested lists")
        << QByteArray("<ul><li>").repeated(200) + "deep" << false << false << "deep";
    QTest::newRow("stylesheets are not read")
        << QByteArray("<head><link rel=stylesheet href=\"/dev/zero\"><style>@import "
                      "url(/dev/urandom);</style></head><body>text</body>")
        << false << false << "text";
    QTest::newRow("long page") << QByteArray("line<br>\r\n").repeated(100'000) << true << false
                               << "line";
}

void TestPreviewDocument::pageIsBounded()
{
    QFETCH(QByteArray, page);
    QFETCH(bool, cut);
    QFETCH(bool, tooComplex);
    QFETCH(QString, shown);
    const BuiltPage built = buildPreviewDocument(page, m_folder.path(), -1, QFont());
    QCOMPARE(built.cut, cut);
    QCOMPARE(built.tooComplex, tooComplex);
    QVERIFY(built.document->toPlainText().contains(shown));
    QVERIFY(built.document->characterCount() <= DisplayLimits().maxChars);
}

void TestPreviewDocument::linesBecomeBlocksAndTargetIsFound()
{
    const QByteArray page = "<html>\r\n<body>\r\n<h6>\r\nnotes\r\n</h6>\r\n<p>one<br>\r\n"
                            "<b>two</b><br>\r\nthree\r\n</p>\r\n</body>\r\n</html>\r\n";
    QTextDocument plain;
    plain.setHtml(QString::fromLatin1(page));
    const BuiltPage built = buildPreviewDocument(page, m_folder.path(), 6, QFont());
    QCOMPARE(built.document->toPlainText(),
             plain.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n')));
    const QTextBlock target = built.document->findBlock(built.targetPosition);
    QCOMPARE(target.text(), QStringLiteral("two"));
    QCOMPARE(target.blockFormat().topMargin(), 0.0);
    QVERIFY(target.charFormat().fontWeight() > QFont::Normal
            || target.begin().fragment().charFormat().fontWeight() > QFont::Normal);
}

QTEST_MAIN(TestPreviewDocument)
#include "tst_previewdocument.moc"
