#include "controls.h"
#include "fakeregistry.h"
#include "findcontrol.h"
#include "frmabout.h"
#include "scriptedprompter.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {
const QString pathKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString tool = QStringLiteral(R"(C:\Tools\info.exe)");

struct FakeServices
{
    std::shared_ptr<FakeRegistry> registry = std::make_shared<FakeRegistry>();
    QStringList started;

    SysInfoServices services()
    {
        SysInfoServices s;
        s.registry = registry;
        s.fileExists = [](const QString &path) { return path == tool; };
        s.startProgram = [this](const QString &program) {
            started.append(program);
            return program == tool;
        };
        return s;
    }
};

int aboutWindowCount()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<frmAbout *>(w) != nullptr;
    return n;
}
} // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void versionLine();
    void oneInstance();
    void closes_data();
    void closes();
    void closesWithMainWindow();
    void sysInfo_data();
    void sysInfo();
    void tabOrder();
    void geometry();
    void showsMainWindowIcon();
};

void tst_frmAbout::initTestCase()
{
    useDialogFont();
}

void tst_frmAbout::cleanup()
{
    delete frmAbout::instance();
    QTRY_COMPARE(aboutWindowCount(), 0);
}

void tst_frmAbout::versionLine()
{
    ScriptedPrompter prompter;
    frmAbout about(prompter);
    QCOMPARE(control<QLabel>(&about, "lblVersion")->text(),
             QStringLiteral("Version 2.0.0       By:  the Quillmark developers"));
    QCOMPARE(
        control<QLabel>(&about, "lblDisclaimer")->text(),
        QStringLiteral("If you have any question or comments, please send me an E-mail at:  "));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Quillmark"));
}

void tst_frmAbout::oneInstance()
{
    ScriptedPrompter prompter;
    QWidget mainWindow;
    mainWindow.show();
    frmAbout *first = frmAbout::showAbout(prompter, &mainWindow);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    frmAbout *second = frmAbout::showAbout(prompter, &mainWindow);
    QCOMPARE(second, first);
    QCOMPARE(aboutWindowCount(), 1);
    QVERIFY(second->isVisible());
}

void tst_frmAbout::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("Esc") << QStringLiteral("esc");
    QTest::newRow("OK clicked") << QStringLiteral("ok");
    QTest::newRow("close box") << QStringLiteral("close");
}

void tst_frmAbout::closes()
{
    QFETCH(QString, how);
    ScriptedPrompter prompter;
    QPointer<frmAbout> about = frmAbout::showAbout(prompter);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(about, "cmdOK"));

    if (how == QLatin1String("enter"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else if (how == QLatin1String("esc"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else if (how == QLatin1String("ok"))
        QTest::mouseClick(control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    else
        about->close();

    QTRY_VERIFY(about.isNull());
    QVERIFY(frmAbout::instance() == nullptr);
    QVERIFY(prompter.shown.isEmpty());

    frmAbout *again = frmAbout::showAbout(prompter);
    QVERIFY(again != nullptr);
    QCOMPARE(control<QLabel>(again, "lblVersion")->text(), frmAbout::versionLine());
}

void tst_frmAbout::closesWithMainWindow()
{
    ScriptedPrompter prompter;
    auto *mainWindow = new QWidget;
    mainWindow->show();
    QPointer<frmAbout> about = frmAbout::showAbout(prompter, mainWindow);
    QVERIFY(about->isWindow());
    delete mainWindow;
    QVERIFY(about.isNull());
    QVERIFY(frmAbout::instance() == nullptr);
}

void tst_frmAbout::sysInfo_data()
{
    QTest::addColumn<bool>("keyPresent");
    QTest::addColumn<bool>("useShortcut");
    QTest::newRow("Alt+S starts the tool") << true << true;
    QTest::newRow("click starts the tool") << true << false;
    QTest::newRow("Alt+S with no tool shows the message") << false << true;
}

void tst_frmAbout::sysInfo()
{
    QFETCH(bool, keyPresent);
    QFETCH(bool, useShortcut);

    FakeServices fakes;
    if (keyPresent)
        fakes.registry->setString(pathKey, QStringLiteral("PATH"), tool.toLocal8Bit().append('\0'));
    ScriptedPrompter prompter;
    frmAbout *about = frmAbout::showAbout(prompter, nullptr, fakes.services());
    QVERIFY(QTest::qWaitForWindowActive(about));

    if (useShortcut)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    else
        QTest::mouseClick(control<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);

    if (keyPresent) {
        // A mnemonic presses its button after a short animation.
        QTRY_COMPARE(fakes.started, QStringList { tool });
        QVERIFY(prompter.shown.isEmpty());
    } else {
        QVERIFY(fakes.started.isEmpty());
        QTRY_COMPARE(
            prompter.texts(),
            QStringList { QStringLiteral("System Information Is Unavailable At This Time") });
    }
    QTest::qWait(50);
    QVERIFY(frmAbout::instance() == about);
    QVERIFY(about->isVisible());
}

void tst_frmAbout::tabOrder()
{
    ScriptedPrompter prompter;
    frmAbout *about = frmAbout::showAbout(prompter);
    QVERIFY(QTest::qWaitForWindowActive(about));

    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(about, "cmdOK"));
    for (const char *next : { "picIcon", "cmdSysInfo", "cmdOK" }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(about, next));
    }
}

void tst_frmAbout::geometry()
{
    ScriptedPrompter prompter;
    frmAbout *about = frmAbout::showAbout(prompter);
    QVERIFY(QTest::qWaitForWindowExposed(about));

    QCOMPARE(about->size(), QSize(382, 179));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(control<QLabel>(about, "lblVersion")->width(), 259);
    QCOMPARE(control<QPushButton>(about, "cmdSysInfo")->size(), QSize(83, 24));
    const QPoint origin = about->screen()->geometry().topLeft();
    QCOMPARE(about->geometry().topLeft(), origin + QPoint(156, 129));
    QVERIFY(
        !(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    // Labels may overlap as laid out, as long as the text they show does not.
    QList<QWidget *> controls;
    for (const char *name : { "picIcon", "lblTitle", "lblVersion", "lblDescription",
                              "lblDisclaimer", "cmdOK", "cmdSysInfo" })
        controls.append(control<QWidget>(about, name));
    auto used = [](QWidget *control) {
        const auto *label = qobject_cast<QLabel *>(control);
        if (!label || !label->pixmap().isNull())
            return control->geometry();
        if (!label->wordWrap())
            return QRect(label->pos(), label->sizeHint());
        return QRect(label->pos(), QSize(label->width(), label->heightForWidth(label->width())));
    };
    for (QWidget *control : controls) {
        const QRect rect = used(control);
        QVERIFY2(rect.height() <= control->height() && rect.width() <= control->width(),
                 qPrintable(control->objectName() + QLatin1String(" clips its text")));
        QVERIFY2(about->rect().contains(rect), qPrintable(control->objectName()));
        for (QWidget *other : controls) {
            if (other != control)
                QVERIFY2(!rect.intersects(used(other)),
                         qPrintable(control->objectName() + QLatin1String(" overlaps ")
                                    + other->objectName()));
        }
    }
}

void tst_frmAbout::showsMainWindowIcon()
{
    QPixmap red(32, 32);
    red.fill(Qt::red);
    QWidget mainWindow;
    mainWindow.setWindowIcon(QIcon(red));
    ScriptedPrompter prompter;
    frmAbout *about = frmAbout::showAbout(prompter, &mainWindow);
    const QImage shown = control<QLabel>(about, "picIcon")->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(32, 32));
    QCOMPARE(shown.pixelColor(16, 16), QColor(Qt::red));
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
