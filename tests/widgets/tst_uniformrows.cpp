#include "uniformrows.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>

namespace {

QString geometry(QListWidget &list)
{
    QCoreApplication::processEvents();
    QString out = QStringLiteral("scroll %1 %2;")
                      .arg(list.horizontalScrollBar()->maximum())
                      .arg(list.verticalScrollBar()->maximum());
    for (int row = 0; row < list.count(); ++row) {
        const QRect r = list.visualItemRect(list.item(row));
        out += QStringLiteral(" %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return out;
}

// Steps: "+text" appends, "-row" removes, "row=text" changes a row,
// "clear".
void apply(QListWidget &list, const QString &step)
{
    if (step.startsWith(QLatin1Char('+')))
        list.addItem(step.mid(1));
    else if (step.startsWith(QLatin1Char('-')))
        delete list.takeItem(step.mid(1).toInt());
    else if (step == QLatin1String("clear"))
        list.clear();
    else
        list.item(step.section(QLatin1Char('='), 0, 0).toInt())
            ->setText(step.section(QLatin1Char('='), 1));
}

} // namespace

class TestUniformRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laysOutAsMeasuringEveryRow_data();
    void laysOutAsMeasuringEveryRow();
};

void TestUniformRows::laysOutAsMeasuringEveryRow_data()
{
    QTest::addColumn<QStringList>("steps");
    const QString wide = QStringLiteral("An objective far wider than the list that shows it");
    QTest::newRow("a wider row is added")
        << QStringList { QStringLiteral("+Hold"), QLatin1Char('+') + wide, QStringLiteral("+x") };
    QTest::newRow("the widest row is removed")
        << QStringList { QLatin1Char('+') + wide, QStringLiteral("+Hold"), QStringLiteral("-0") };
    QTest::newRow("the widest row shrinks")
        << QStringList { QLatin1Char('+') + wide, QStringLiteral("+Hold"), QStringLiteral("0=x") };
    QTest::newRow("a row grows widest")
        << QStringList { QStringLiteral("+Hold"), QStringLiteral("+x"),
                         QLatin1String("1=") + wide };
    QTest::newRow("a row of two lines, then of one")
        << QStringList { QStringLiteral("+Hold"), QStringLiteral("+one\ntwo"),
                         QStringLiteral("+x"),    QStringLiteral("0=a\u2028b\u2029c"),
                         QStringLiteral("1=one"), QStringLiteral("0=Hold") };
    QTest::newRow("cleared and filled again")
        << QStringList { QLatin1Char('+') + wide, QStringLiteral("clear"),
                         QStringLiteral("+Hold") };
}

// After every step the list looks and scrolls exactly as a list that
// measures each row itself.
void TestUniformRows::laysOutAsMeasuringEveryRow()
{
    QFETCH(QStringList, steps);
    QListWidget measured;
    QListWidget uniform;
    UniformRows::install(&uniform);
    for (QListWidget *list : { &measured, &uniform }) {
        list->resize(120, 60);
        list->show();
    }
    for (const QString &step : steps) {
        apply(measured, step);
        apply(uniform, step);
        QCOMPARE(geometry(uniform), geometry(measured));
    }
    QCOMPARE(uniform.uniformItemSizes(), !steps.last().contains(QLatin1Char('\n')));
}

QTEST_MAIN(TestUniformRows)
#include "tst_uniformrows.moc"
