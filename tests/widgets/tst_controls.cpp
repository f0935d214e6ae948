#include "controls.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setLineTextActsAsSetText_data();
    void setLineTextActsAsSetText();
};

namespace {

// Steps: "+text" types at the cursor, "<n" moves the cursor n left,
// "select" selects all, "undo", "saved" clears the modified flag.
void prepare(QLineEdit &box, const QString &start, const QStringList &steps)
{
    box.setText(start);
    for (const QString &step : steps) {
        if (step.startsWith(u'+'))
            box.insert(step.mid(1));
        else if (step.startsWith(u'<'))
            box.cursorBackward(false, step.mid(1).toInt());
        else if (step == u"select")
            box.selectAll();
        else if (step == u"undo")
            box.undo();
        else if (step == u"saved")
            box.setModified(false);
    }
}

QString state(const QLineEdit &box, const QSignalSpy &changes)
{
    return QStringLiteral("%1|%2|%3|%4%5%6|%7")
        .arg(box.text())
        .arg(box.cursorPosition())
        .arg(box.selectedText())
        .arg(box.isUndoAvailable())
        .arg(box.isRedoAvailable())
        .arg(box.isModified())
        .arg(changes.count());
}

} // namespace

void TestControls::setLineTextActsAsSetText_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::newRow("fresh, same") << QString() << QStringList() << QString();
    QTest::newRow("set, same") << "Dawn" << QStringList() << "Dawn";
    QTest::newRow("set, other") << "Dawn" << QStringList() << "Dusk";
    QTest::newRow("cursor inside") << "Dawn" << QStringList { "<2" } << "Dawn";
    QTest::newRow("selected") << "Dawn" << QStringList { "select" } << "Dawn";
    QTest::newRow("typed back to same") << "Daw" << QStringList { "+n" } << "Dawn";
    QTest::newRow("typed, saved") << "Daw" << QStringList { "+n", "saved" } << "Dawn";
    QTest::newRow("undone to same") << "Dawn" << QStringList { "+s", "undo" } << "Dawn";
}

void TestControls::setLineTextActsAsSetText()
{
    QFETCH(QString, start);
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QLineEdit expected;
    QLineEdit actual;
    prepare(expected, start, steps);
    prepare(actual, start, steps);
    const QSignalSpy expectedChanges(&expected, &QLineEdit::textChanged);
    const QSignalSpy actualChanges(&actual, &QLineEdit::textChanged);
    expected.setText(text);
    setLineText(&actual, text);
    QCOMPARE(state(actual, actualChanges), state(expected, expectedChanges));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
