#include "builtinpictures.h"
#include "controls.h"
#include "folderlist.h"
#include "installedfonts.h"
#include "programstyle.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <memory>

class TestControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setLineTextActsAsSetText_data();
    void setLineTextActsAsSetText();
    void fontFamilyInstalledAgreesWithQt();
    void builtInPicturesDecodeOnceAcrossThreads();
    void extensionArrowIsQtsOwn();
};

void TestControls::setLineTextActsAsSetText_data()
{
    // Steps on a box holding the start text: "+text" types at the cursor,
    // "<n" moves the cursor n left; "select", "undo", "saved", "modified".
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::newRow("fresh, same") << QString() << QStringList() << QString();
    QTest::newRow("other text") << "Dawn" << QStringList() << "Dusk";
    QTest::newRow("cursor inside") << "Dawn" << QStringList { "<2" } << "Dawn";
    QTest::newRow("selected") << "Dawn" << QStringList { "select" } << "Dawn";
    QTest::newRow("typed, saved") << "Daw" << QStringList { "+n", "saved" } << "Dawn";
    QTest::newRow("undone") << "Dawn" << QStringList { "+s", "undo", "saved" } << "Dawn";
    QTest::newRow("modified") << "Dawn" << QStringList { "modified" } << "Dawn";
}

void TestControls::setLineTextActsAsSetText()
{
    QFETCH(QString, start);
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QLineEdit boxes[2];
    QString states[2];
    for (int i = 0; i < 2; ++i) {
        QLineEdit &box = boxes[i];
        box.setText(start);
        for (const QString &step : std::as_const(steps)) {
            if (step.startsWith(u'+'))
                box.insert(step.mid(1));
            else if (step.startsWith(u'<'))
                box.cursorBackward(false, step.mid(1).toInt());
            else if (step == u"select")
                box.selectAll();
            else if (step == u"undo")
                box.undo();
            else
                box.setModified(step == u"modified");
        }
        const QSignalSpy changes(&box, &QLineEdit::textChanged);
        if (i == 0)
            box.setText(text);
        else
            setLineText(&box, text);
        states[i] = QStringLiteral("%1|%2|%3|%4%5%6|%7")
                        .arg(box.text())
                        .arg(box.cursorPosition())
                        .arg(box.selectedText())
                        .arg(box.isUndoAvailable())
                        .arg(box.isRedoAvailable())
                        .arg(box.isModified())
                        .arg(changes.count());
    }
    QCOMPARE(states[1], states[0]);
}

void TestControls::fontFamilyInstalledAgreesWithQt()
{
    const QStringList families = QFontDatabase::families();
    QVERIFY(!families.isEmpty());
    for (const QString &family : families) {
        // Qt names a family found at two foundries "Family [Foundry]".
        const QString name = family.section(QStringLiteral(" ["), 0, 0);
        QVERIFY2(fontFamilyInstalled(name) && fontFamilyInstalled(name.toUpper()),
                 qPrintable(name));
    }
    QVERIFY(!fontFamilyInstalled(QStringLiteral("No Such Family Anywhere 7")));
}

void TestControls::builtInPicturesDecodeOnceAcrossThreads()
{
    const QStringList resources = FolderList::pictures();
    QCOMPARE(resources.size(), 4);
    // A second thread decodes them while this one asks for them.
    const std::unique_ptr<QThread> ahead(
        QThread::create([resources] { decodeBuiltInPictures(resources); }));
    ahead->start();
    for (const QString &resource : resources) {
        QVERIFY2(!builtInPicture(resource).isNull(), qPrintable(resource));
        QCOMPARE(builtInPicture(resource), QImage(resource));
    }
    ahead->wait();
    for (const QString &resource : resources)
        QCOMPARE(builtInPicture(resource).cacheKey(), builtInPicture(resource).cacheKey());
    QVERIFY(builtInPicture(QStringLiteral(":/no/such/picture.png")).isNull());
}

// The arrow of a menu bar too narrow for its menus, in the three sizes Qt ships.
void TestControls::extensionArrowIsQtsOwn()
{
    const ProgramStyle style;
    const QIcon arrow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!arrow.isNull());
    QCOMPARE(arrow.availableSizes().size(), 3);
    const QImage shipped(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-16.png"));
    QCOMPARE(arrow.pixmap(shipped.size()).toImage().convertToFormat(QImage::Format_ARGB32),
             shipped.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
