#include "clickablelabel.h"
#include "findcontrol.h"
#include "frmpreview.h"
#include "imagebox.h"
#include "picturebrowser.h"
#include "picturemeasure.h"
#include "picturesizeboxes.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

namespace {

QByteArray bmpHeader(qint32 width, qint32 height, quint32 dataSize)
{
    QByteArray bytes(54, '\0');
    auto put32 = [&bytes](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    auto put16 = [&bytes](int at, quint16 v) { qToLittleEndian(v, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + dataSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    put32(34, dataSize);
    return bytes;
}

// The main window's picture controls, with the size validation attached.
struct PictureTab
{
    QWidget mainWindow;
    QLineEdit *Text1 = new QLineEdit(&mainWindow);
    ImageBox *imgPicPreview = new ImageBox(&mainWindow);
    QLineEdit *txtPicWidth = new QLineEdit(QStringLiteral("170"), &mainWindow);
    QLineEdit *txtPicHeight = new QLineEdit(QStringLiteral("64"), &mainWindow);
    QLabel *lblPicWidth = new QLabel(QStringLiteral("170"), &mainWindow);
    QLabel *lblPicHeight = new QLabel(QStringLiteral("64"), &mainWindow);
    ClickableLabel *lblWarning = new ClickableLabel(QStringLiteral("Warning!"), &mainWindow);
    ScriptedPrompter prompter;
    std::unique_ptr<PictureSizeBoxes> validator;
    std::unique_ptr<PictureBrowser> browser;

    explicit PictureTab(const QString &startFolder)
    {
        mainWindow.setGeometry(100, 80, 400, 300);
        Text1->setText(startFolder);
        imgPicPreview->setStretch(true);
        imgPicPreview->setBorder(true);
        imgPicPreview->setGeometry(10, 10, 144, 61);
        txtPicWidth->setMaxLength(4);
        txtPicHeight->setMaxLength(4);
        lblWarning->hide();
        validator = std::make_unique<PictureSizeBoxes>(
            PictureSizeBoxes::Controls { txtPicWidth, txtPicHeight, lblPicWidth, lblPicHeight,
                                         lblWarning },
            prompter);
        browser = std::make_unique<PictureBrowser>(
            PictureBrowser::Controls { Text1, imgPicPreview, txtPicWidth, txtPicHeight,
                                       &mainWindow },
            prompter);
        QObject::connect(imgPicPreview, &ImageBox::doubleClicked, browser.get(),
                         &PictureBrowser::showPreview);
        mainWindow.show();
    }
};

int previewWindowCount()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<frmPreview *>(w) != nullptr;
    return n;
}

} // namespace

class tst_PictureBrowser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void measure_data();
    void measure();
    void measureFollowsNewPicture();
    void filePath_data();
    void filePath();
    void choose_data();
    void choose();
    void sideOfTenThousandKeptWhole();
    void unreadablePicture_data();
    void unreadablePicture();
    void previewBeforeAnyChoice();
    void previewPlaceSizeAndInstance();
    void previewOfDeletedFile();
    void previewTooLargeToDecode();

private:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

void tst_PictureBrowser::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QImage bmp(170, 64, QImage::Format_RGB32);
    bmp.fill(Qt::darkGreen);
    QVERIFY(bmp.save(path("green.bmp")));
    QImage jpeg(300, 100, QImage::Format_RGB32);
    jpeg.fill(Qt::blue);
    QVERIFY(jpeg.save(path("wide.jpg")));
    QVERIFY(jpeg.scaled(256, 128).save(path("limits.jpeg")));
    QVERIFY(QImage(10000, 2, QImage::Format_Grayscale8).save(path("long.jpg")));

    // Qt reads GIF but cannot write it: a 1 x 1 GIF by hand.
    QVERIFY(writeFile(path("dot.gif"),
                      QByteArray::fromHex("474946383961"
                                          "01000100"
                                          "800000"
                                          "000000ffffff"
                                          "2c"
                                          "00000000"
                                          "01000100"
                                          "00"
                                          "02024401"
                                          "00"
                                          "3b")));
    QByteArray topDown = bmpHeader(2, -3, 24);
    topDown.append(QByteArray(24, '\x7f'));
    QVERIFY(writeFile(path("topdown.bmp"), topDown));
    QVERIFY(writeFile(path("huge.bmp"), bmpHeader(30000, 30000, 0)));
    QVERIFY(writeFile(path("notes.jpg"), "These are notes, not a picture.\r\n"));
    QVERIFY(writeFile(path("empty.bmp"), {}));
    QFile whole(path("wide.jpg"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QVERIFY(writeFile(path("cut.jpg"), whole.read(200)));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.jpg")));
}

void tst_PictureBrowser::measure_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QSize>("size");
    QTest::newRow("170 x 64 bitmap") << "green.bmp" << true << QSize(170, 64);
    QTest::newRow("1 x 1 gif") << "dot.gif" << true << QSize(1, 1);
    QTest::newRow("300 x 100 jpeg") << "wide.jpg" << true << QSize(300, 100);
    QTest::newRow("top-down bitmap") << "topdown.bmp" << true << QSize(2, 3);
    QTest::newRow("bitmap header claiming 30000 x 30000") << "huge.bmp" << false << QSize();
    QTest::newRow("text named .jpg") << "notes.jpg" << false << QSize();
    QTest::newRow("empty bitmap") << "empty.bmp" << false << QSize();
    QTest::newRow("folder") << "folder.jpg" << false << QSize();
    QTest::newRow("missing file") << "gone.bmp" << false << QSize();
}

void tst_PictureBrowser::measure()
{
    QFETCH(QString, file);
    QFETCH(bool, ok);
    QFETCH(QSize, size);
    const PictureInfo info = measurePicture(m_dir.filePath(file));
    QCOMPARE(info.ok, ok);
    QCOMPARE(info.size, size);
    QCOMPARE(info.error.isEmpty(), ok);
}

void tst_PictureBrowser::measureFollowsNewPicture()
{
    PictureTab tab(m_dir.path());
    tab.browser->choose(m_dir.path(), QStringLiteral("wide.jpg"));
    tab.browser->choose(m_dir.path(), QStringLiteral("dot.gif"));
    QCOMPARE(tab.txtPicWidth->text(), QStringLiteral("1"));
    QCOMPARE(tab.txtPicHeight->text(), QStringLiteral("1"));
    tab.browser->choose(m_dir.path(), QStringLiteral("green.bmp"));
    QCOMPARE(tab.txtPicWidth->text(), QStringLiteral("170"));
    QCOMPARE(tab.txtPicHeight->text(), QStringLiteral("64"));
}

void tst_PictureBrowser::filePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("drive root") << "C:\\" << QChar(u'\\') << "C:\\a.bmp";
    QTest::newRow("folder on a drive") << "C:\\Pics" << QChar(u'\\') << "C:\\Pics\\a.bmp";
    QTest::newRow("root folder") << "/" << QChar(u'/') << "/a.bmp";
    QTest::newRow("folder") << "/home/pics" << QChar(u'/') << "/home/pics/a.bmp";
}

void tst_PictureBrowser::filePath()
{
    QFETCH(QString, folder);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);
    QCOMPARE(PictureBrowser::filePath(folder, QStringLiteral("a.bmp"), separator), expected);
}

void tst_PictureBrowser::choose_data()
{
    QTest::addColumn<QString>("startWidth");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QList<bool>>("warnings");
    QTest::newRow("300 x 100 warns once the width is in") << "170"
                                                          << "wide.jpg"
                                                          << "300"
                                                          << "100" << QList<bool> { false, true };
    QTest::newRow("256 x 128 never warns") << "170"
                                           << "limits.jpeg"
                                           << "256"
                                           << "128" << QList<bool> { false, false };
    QTest::newRow("old wide width warns until replaced") << "300"
                                                         << "dot.gif"
                                                         << "1"
                                                         << "1" << QList<bool> { true, false };
    QTest::newRow("170 x 64 bitmap, height unchanged") << "20"
                                                       << "green.bmp"
                                                       << "170"
                                                       << "64" << QList<bool> { false };
}

void tst_PictureBrowser::choose()
{
    QFETCH(QString, startWidth);
    QFETCH(QString, file);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QList<bool>, warnings);

    PictureTab tab(m_dir.path());
    tab.txtPicWidth->setText(startWidth);
    QStringList order;
    QList<bool> seen;
    for (QLineEdit *box : { tab.txtPicHeight, tab.txtPicWidth }) {
        connect(box, &QLineEdit::textChanged, box, [&, box] {
            order.append(box == tab.txtPicHeight ? QStringLiteral("height")
                                                 : QStringLiteral("width"));
            seen.append(tab.lblWarning->isVisible());
        });
    }

    tab.browser->choose(m_dir.path(), file);
    // The height box is set first; a box already holding its number raises nothing.
    QStringList expectedOrder { QStringLiteral("height"), QStringLiteral("width") };
    if (warnings.size() == 1)
        expectedOrder.removeFirst();
    QCOMPARE(order, expectedOrder);
    QCOMPARE(seen, warnings);
    QCOMPARE(tab.txtPicWidth->text(), width);
    QCOMPARE(tab.txtPicHeight->text(), height);
    QCOMPARE(tab.lblPicWidth->text(), width);
    QCOMPARE(tab.lblPicHeight->text(), height);
    QCOMPARE(tab.Text1->text(), QDir::toNativeSeparators(m_dir.filePath(file)));
    QCOMPARE(tab.imgPicPreview->image().size(), tab.imgPicPreview->size());
    QVERIFY(tab.prompter.shown.isEmpty());
    QVERIFY(tab.browser->previewWindow());
    QVERIFY(!tab.browser->previewWindow()->isVisible());
}

void tst_PictureBrowser::sideOfTenThousandKeptWhole()
{
    PictureTab tab(m_dir.path());
    tab.browser->choose(m_dir.path(), QStringLiteral("long.jpg"));
    QCOMPARE(tab.txtPicWidth->text(), QStringLiteral("10000"));
    QCOMPARE(tab.lblPicWidth->text(), QStringLiteral("10000"));
    QCOMPARE(tab.txtPicHeight->text(), QStringLiteral("2"));
    QVERIFY(tab.lblWarning->isVisible());
}

void tst_PictureBrowser::unreadablePicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("text named .jpg") << "notes.jpg";
    QTest::newRow("empty bitmap") << "empty.bmp";
    QTest::newRow("bitmap header claiming 30000 x 30000") << "huge.bmp";
    QTest::newRow("jpeg cut inside its header") << "cut.jpg";
    QTest::newRow("file removed since listed") << "gone.jpg";
}

void tst_PictureBrowser::unreadablePicture()
{
    QFETCH(QString, file);
    PictureTab tab(m_dir.path());
    tab.browser->choose(m_dir.path(), QStringLiteral("wide.jpg"));
    const QImage before = tab.imgPicPreview->image();
    tab.prompter.shown.clear();

    tab.browser->choose(m_dir.path(), file);
    QCOMPARE(tab.prompter.shown.size(), 1);
    const auto &box = tab.prompter.shown.first();
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.icon, Prompter::Icon::Critical);
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(m_dir.filePath(file))),
             qPrintable(box.text));
    QVERIFY(box.text.count(QLatin1Char('\n')) >= 1);

    QCOMPARE(tab.Text1->text(),
             QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("wide.jpg"))));
    QCOMPARE(tab.txtPicWidth->text(), QStringLiteral("300"));
    QCOMPARE(tab.txtPicHeight->text(), QStringLiteral("100"));
    QCOMPARE(tab.imgPicPreview->image(), before);
}

void tst_PictureBrowser::previewBeforeAnyChoice()
{
    PictureTab tab(m_dir.path());
    tab.imgPicPreview->setImage(QImage());
    QTest::mouseDClick(tab.imgPicPreview, Qt::LeftButton);
    QCOMPARE(tab.prompter.shown.size(), 1);
    QCOMPARE(tab.prompter.shown.first().title, QStringLiteral("Error"));
    QVERIFY(tab.prompter.shown.first().text.contains(QDir::toNativeSeparators(m_dir.path())));
    QVERIFY(!tab.browser->previewWindow());
    QCOMPARE(tab.Text1->text(), m_dir.path());
}

void tst_PictureBrowser::previewPlaceSizeAndInstance()
{
    PictureTab tab(m_dir.path());
    tab.browser->choose(m_dir.path(), QStringLiteral("wide.jpg"));
    const QRect placedNextTo = tab.mainWindow.frameGeometry();
    tab.mainWindow.move(20, 30);

    QTest::mouseDClick(tab.imgPicPreview, Qt::LeftButton);
    QPointer<frmPreview> preview = tab.browser->previewWindow();
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Picture Preview"));
    QCOMPARE(preview->frameGeometry().topLeft(),
             QPoint(placedNextTo.x() + placedNextTo.width(), placedNextTo.y()));
    auto *imgPrev = control<ImageBox>(preview, "imgPrev");
    QCOMPARE(imgPrev->image().size(), QSize(300, 100));
    QCOMPARE(imgPrev->size(), QSize(302, 102));
    // 100 x 350 twips more than the picture box, outside measure.
    QCOMPARE(preview->frameGeometry().size(), imgPrev->size() + QSize(7, 23));

    QTest::mouseDClick(tab.imgPicPreview, Qt::LeftButton);
    QCOMPARE(tab.browser->previewWindow(), preview.data());
    QCOMPARE(previewWindowCount(), 1);

    // The open window takes the next picture chosen, and its size.
    tab.browser->choose(m_dir.path(), QStringLiteral("green.bmp"));
    QCOMPARE(imgPrev->image().size(), QSize(170, 64));
    QCOMPARE(preview->frameGeometry().size(), imgPrev->size() + QSize(7, 23));

    // A double-click on the picture closes the window and prepares a new,
    // hidden one next to where the main window is now.
    QTest::mouseDClick(imgPrev, Qt::LeftButton);
    QTRY_VERIFY(!preview);
    frmPreview *next = tab.browser->previewWindow();
    QVERIFY(next);
    QVERIFY(!next->isVisible());
    QCOMPARE(previewWindowCount(), 1);
    const QRect main = tab.mainWindow.frameGeometry();
    QCOMPARE(next->pos(), QPoint(main.x() + main.width(), main.y()));
    QVERIFY(tab.prompter.shown.isEmpty());
}

void tst_PictureBrowser::previewOfDeletedFile()
{
    PictureTab tab(m_dir.path());
    QVERIFY(QFile::copy(path("green.bmp"), path("soon-gone.bmp")));
    tab.browser->choose(m_dir.path(), QStringLiteral("soon-gone.bmp"));
    QVERIFY(QFile::remove(path("soon-gone.bmp")));
    QTest::mouseDClick(tab.imgPicPreview, Qt::LeftButton);
    QCOMPARE(tab.prompter.shown.size(), 1);
    QCOMPARE(tab.prompter.shown.first().title, QStringLiteral("Error"));
    QVERIFY(!tab.browser->previewWindow()->isVisible());
    QCOMPARE(tab.txtPicWidth->text(), QStringLiteral("170"));
}

void tst_PictureBrowser::previewTooLargeToDecode()
{
    // With the limit at 1 MB a 1000 x 1000 picture stands for one of 12,000 px
    // under the default 128 MB: the small preview decodes, the full one cannot.
    QVERIFY(QImage(1000, 1000, QImage::Format_RGB32).save(path("square.jpg")));
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    PictureTab tab(m_dir.path());
    tab.browser->choose(m_dir.path(), QStringLiteral("square.jpg"));
    QCOMPARE(tab.txtPicWidth->text(), QStringLiteral("1000"));
    QVERIFY(!tab.imgPicPreview->image().isNull());
    QVERIFY(tab.prompter.shown.isEmpty());

    tab.browser->showPreview();
    QImageReader::setAllocationLimit(limit);
    QCOMPARE(tab.prompter.shown.size(), 1);
    QVERIFY2(tab.prompter.shown.first().text.contains(QStringLiteral("too large")),
             qPrintable(tab.prompter.shown.first().text));
    QVERIFY(!tab.browser->previewWindow()->isVisible());
}

QTEST_MAIN(tst_PictureBrowser)
#include "tst_picturebrowser.moc"
