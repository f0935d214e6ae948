#include "clickablelabel.h"
#include "findcontrol.h"
#include "frmwarning.h"
#include "numbertest.h"
#include "picturesizeboxes.h"
#include "scriptedprompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

// The picture size boxes as the main window holds them, with the validation on.
struct SizeBoxes
{
    QWidget window;
    QLineEdit *txtPicWidth = new QLineEdit(QStringLiteral("170"), &window);
    QLineEdit *txtPicHeight = new QLineEdit(QStringLiteral("64"), &window);
    QLabel *lblPicWidth = new QLabel(QStringLiteral("170"), &window);
    QLabel *lblPicHeight = new QLabel(QStringLiteral("64"), &window);
    ClickableLabel *lblWarning = new ClickableLabel(QStringLiteral("Warning!"), &window);
    ScriptedPrompter prompter;
    std::unique_ptr<PictureSizeBoxes> validator;

    SizeBoxes()
    {
        txtPicWidth->setMaxLength(4);
        txtPicHeight->setMaxLength(4);
        txtPicHeight->move(0, 30);
        lblWarning->setGeometry(0, 60, 52, 14);
        lblWarning->hide();
        validator = std::make_unique<PictureSizeBoxes>(
            PictureSizeBoxes::Controls { txtPicWidth, txtPicHeight, lblPicWidth, lblPicHeight,
                                         lblWarning },
            prompter);
        window.show();
    }
    [[nodiscard]] QLineEdit *box(bool width) const { return width ? txtPicWidth : txtPicHeight; }
    [[nodiscard]] QLabel *label(bool width) const { return width ? lblPicWidth : lblPicHeight; }
};

class tst_PictureSizeBoxes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typing_data();
    void typing();
    void pasting_data();
    void pasting();
    void warning_data();
    void warning();
    void warningFollowsEitherBox();
    void longAssignedNumberKeptWhole();
    void warningWindow();
    void randomSoak();
};

void tst_PictureSizeBoxes::typing_data()
{
    QTest::addColumn<bool>("width");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("boxes");
    QTest::newRow("letter after two digits") << true << QString() << 0 << "12a"
                                             << "12" << 1;
    QTest::newRow("minus into empty box") << false << QString() << 0 << "-"
                                          << "" << 1;
    QTest::newRow("typed space vanishes") << true << QString() << 0 << "1 2"
                                          << "12" << 0;
    QTest::newRow("decimal fraction") << false << QString() << 0 << "2.5"
                                      << "2.5" << 0;
    QTest::newRow("fifth character refused") << true << QString() << 0 << "12345"
                                             << "1234" << 0;
    QTest::newRow("digit in the middle") << true << "12" << 1 << "5"
                                         << "152" << 0;
    // The last character is dropped, not the bad one, so a letter typed in the
    // middle costs the digit after it as well.
    QTest::newRow("letter in the middle") << false << "12" << 1 << "a"
                                          << "1" << 2;
}

void tst_PictureSizeBoxes::typing()
{
    QFETCH(bool, width);
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, boxes);

    SizeBoxes f;
    QLineEdit *box = f.box(width);
    box->setText(start);
    box->setCursorPosition(caret);
    f.prompter.shown.clear();

    QTest::keyClicks(box, keys);
    QCOMPARE(box->text(), expected);
    QCOMPARE(f.prompter.count(QStringLiteral("Must Be Numbers")), boxes);
    QCOMPARE(f.prompter.shown.size(), boxes);
    for (const auto &shown : std::as_const(f.prompter.shown)) {
        QCOMPARE(shown.title, QStringLiteral("Error"));
        QCOMPARE(shown.icon, Prompter::Icon::Critical);
        QCOMPARE(shown.buttons, Prompter::Buttons::Ok);
    }
    QCOMPARE(f.label(width)->text(), expected);
    QCOMPARE(box->cursorPosition(), int(expected.size()));
}

void tst_PictureSizeBoxes::pasting_data()
{
    QTest::addColumn<bool>("byCode");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("changes");
    for (bool byCode : { false, true }) {
        const char *how = byCode ? "set by code" : "pasted";
        QTest::addRow("three letters %s", how) << byCode << "abc"
                                               << "" << 3 << 4;
        QTest::addRow("digits with spaces %s", how) << byCode << "1 23"
                                                    << "123" << 0 << 2;
        QTest::addRow("spaces only %s", how) << byCode << "   "
                                             << "" << 0 << 2;
        QTest::addRow("digits then letters %s", how) << byCode << "12ab"
                                                     << "12" << 2 << 3;
        QTest::addRow("spaced letters %s", how) << byCode << "a b"
                                                << "" << 2 << 4;
    }
    QTest::newRow("same text set by code") << true << "170"
                                           << "170" << 0 << 0;
}

void tst_PictureSizeBoxes::pasting()
{
    QFETCH(bool, byCode);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    QFETCH(int, boxes);
    QFETCH(int, changes);

    SizeBoxes f;
    QStringList seen;
    connect(f.txtPicWidth, &QLineEdit::textChanged, f.txtPicWidth,
            [&seen](const QString &text) { seen.append(text); });
    if (byCode) {
        f.txtPicWidth->setText(pasted);
    } else {
        QGuiApplication::clipboard()->setText(pasted);
        f.txtPicWidth->selectAll();
        f.txtPicWidth->paste();
    }
    QCOMPARE(f.txtPicWidth->text(), expected);
    QCOMPARE(f.prompter.count(QStringLiteral("Must Be Numbers")), boxes);
    QCOMPARE(f.lblPicWidth->text(), expected);
    QCOMPARE(seen.size(), changes);
    QCOMPARE(f.txtPicWidth->cursorPosition(), int(expected.size()));
}

void tst_PictureSizeBoxes::warning_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<bool>("visible");
    QTest::newRow("at the limits") << "256"
                                   << "128" << false;
    QTest::newRow("width one over") << "257"
                                    << "128" << true;
    QTest::newRow("height one over") << "256"
                                     << "129" << true;
    QTest::newRow("fractional width under") << "256.5"
                                            << "128" << false;
    QTest::newRow("fractional height over") << "10"
                                            << "128.5" << false;
    QTest::newRow("both empty") << ""
                                << "" << false;
    QTest::newRow("empty width, tall") << ""
                                       << "200" << true;
    QTest::newRow("exponent width") << "1e3"
                                    << "1" << true;
    QTest::newRow("negative") << "-999"
                              << "-999" << false;
}

void tst_PictureSizeBoxes::warning()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(bool, visible);
    SizeBoxes f;
    f.txtPicWidth->setText(width);
    f.txtPicHeight->setText(height);
    QCOMPARE(f.lblWarning->isVisible(), visible);
    QVERIFY(f.prompter.shown.isEmpty());
}

void tst_PictureSizeBoxes::warningFollowsEitherBox()
{
    SizeBoxes f;
    QTest::keyClicks(f.txtPicWidth, QStringLiteral("0"));
    QCOMPARE(f.txtPicWidth->text(), QStringLiteral("1700"));
    QVERIFY(f.lblWarning->isVisible());
    QTest::keyClick(f.txtPicHeight, Qt::Key_Backspace);
    QVERIFY2(f.lblWarning->isVisible(), "the wide width still counts when the height changes");
    QTest::keyClick(f.txtPicWidth, Qt::Key_Backspace);
    QVERIFY(!f.lblWarning->isVisible());
    f.txtPicHeight->setText(QStringLiteral("129"));
    QVERIFY(f.lblWarning->isVisible());
}

void tst_PictureSizeBoxes::longAssignedNumberKeptWhole()
{
    SizeBoxes f;
    setSizeBoxText(f.txtPicWidth, QStringLiteral("12000"));
    QCOMPARE(f.txtPicWidth->text(), QStringLiteral("12000"));
    QCOMPARE(f.lblPicWidth->text(), QStringLiteral("12000"));
    QVERIFY(f.lblWarning->isVisible());

    // Once the text is back within four characters, typing is limited again.
    QTest::keyClick(f.txtPicWidth, Qt::Key_Backspace);
    QCOMPARE(f.txtPicWidth->text(), QStringLiteral("1200"));
    QTest::keyClicks(f.txtPicWidth, QStringLiteral("5"));
    QCOMPARE(f.txtPicWidth->text(), QStringLiteral("1200"));
    QCOMPARE(f.txtPicWidth->maxLength(), 4);
}

static QList<frmWarning *> warningWindows()
{
    QList<frmWarning *> found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *warning = qobject_cast<frmWarning *>(w))
            found.append(warning);
    }
    return found;
}

void tst_PictureSizeBoxes::warningWindow()
{
    SizeBoxes f;
    f.txtPicWidth->setText(QStringLiteral("300"));
    QVERIFY(f.lblWarning->isVisible());
    QCOMPARE(f.lblWarning->cursor().shape(), Qt::BitmapCursor);

    QTest::mouseClick(f.lblWarning, Qt::LeftButton);
    QPointer<frmWarning> first = f.validator->warningWindow();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    QCOMPARE(first->windowTitle(), QStringLiteral("Warning!"));
    QCOMPARE(first->size(), QSize(312, 204));
    QCOMPARE(control<QLabel>(first, "Label2")->text(),
             QStringLiteral("The dimensions for the picture are too big.  If you leave them at the "
                            "current settings, they may not appear correctly."));
    QCOMPARE(control<QLabel>(first, "Label3")->text(),
             QStringLiteral("Maximium Dimensions:   256 x 128"));
    QCOMPARE(control<QLabel>(first, "Label4")->text(),
             QStringLiteral("Note:  Dimentions MUST be even integers"));
    const QRect screen = first->screen()->availableGeometry();
    const QPoint offCentre = first->frameGeometry().center() - screen.center();
    QVERIFY2(offCentre.manhattanLength() <= 8, "centred on the screen, give or take its frame");

    QTest::mouseClick(f.lblWarning, Qt::LeftButton);
    QCOMPARE(f.validator->warningWindow(), first.data());
    QCOMPARE(warningWindows().size(), 1);

    // Escape leaves it open; Enter presses OK, which closes and destroys it.
    QVERIFY(QTest::qWaitForWindowActive(first));
    QTest::keyClick(first, Qt::Key_Escape);
    QVERIFY(first && first->isVisible());
    QTest::keyClick(first, Qt::Key_Return);
    QTRY_VERIFY(!first);

    QTest::mouseClick(f.lblWarning, Qt::LeftButton);
    QVERIFY(f.validator->warningWindow());
    QVERIFY(f.validator->warningWindow()->isVisible());
    QCOMPARE(warningWindows().size(), 1);
    control<QPushButton>(f.validator->warningWindow(), "Command1")->click();
    QTRY_COMPARE(warningWindows().size(), 0);
}

void tst_PictureSizeBoxes::randomSoak()
{
    SizeBoxes f;
    QRandomGenerator random(20240607);
    const QString alphabet = QStringLiteral("0123456789 .-+eEa,x");
    const Qt::Key moves[] = { Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                              Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End };
    for (int step = 0; step < 4000; ++step) {
        const bool width = random.bounded(2) == 0;
        QLineEdit *box = f.box(width);
        const int action = random.bounded(10);
        if (action < 6) {
            QTest::keyClick(box, alphabet.at(random.bounded(int(alphabet.size()))).toLatin1());
        } else if (action < 8) {
            QTest::keyClick(box, moves[random.bounded(int(std::size(moves)))]);
        } else {
            QString pasted;
            for (int i = random.bounded(7); i > 0; --i)
                pasted += alphabet.at(random.bounded(int(alphabet.size())));
            QGuiApplication::clipboard()->setText(pasted);
            if (random.bounded(2))
                box->selectAll();
            box->paste();
        }
        for (bool w : { true, false }) {
            const QString text = f.box(w)->text();
            QVERIFY2(text.isEmpty() || isValidNumber(text), qPrintable(text));
            QVERIFY(!text.contains(QLatin1Char(' ')));
            QCOMPARE(f.label(w)->text(), text);
        }
        const bool over = numericValue(f.txtPicWidth->text()) >= 257
            || numericValue(f.txtPicHeight->text()) >= 129;
        QCOMPARE(f.lblWarning->isVisible(), over);
    }
    QVERIFY(f.prompter.count(QStringLiteral("Must Be Numbers")) > 0);
}

QTEST_MAIN(tst_PictureSizeBoxes)
#include "tst_picturesizeboxes.moc"
