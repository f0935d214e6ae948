#include "numbertest.h"
#include "stripspaces.h"

#include <QTest>

#include <cmath>

class tst_NumberTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stripSpaces_data();
    void stripSpaces();
    void validNumber_data();
    void validNumber();
    void numericValue_data();
    void numericValue();
    void numericValueSaturates();
};

void tst_NumberTest::stripSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("spaces only") << QStringLiteral("    ") << QString();
    QTest::newRow("digits with spaces") << QStringLiteral(" 1 2  3 ") << QStringLiteral("123");
    QTest::newRow("tab and no-break space stay")
        << QStringLiteral("1\t2\u00a03 4") << QStringLiteral("1\t2\u00a034");
    QTest::newRow("letters keep their order") << QStringLiteral("a b c") << QStringLiteral("abc");
}

void tst_NumberTest::stripSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(StripSpaces(text), expected);
}

void tst_NumberTest::validNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("valid");
    const QString c = QStringLiteral("C");
    const QString de = QStringLiteral("de_DE");
    QTest::newRow("whole number") << QStringLiteral("170") << c << true;
    QTest::newRow("exponent") << QStringLiteral("1e3") << c << true;
    QTest::newRow("upper-case exponent with sign") << QStringLiteral("2E-4") << c << true;
    QTest::newRow("trailing point") << QStringLiteral("1.") << c << true;
    QTest::newRow("leading point") << QStringLiteral(".5") << c << true;
    QTest::newRow("plus sign") << QStringLiteral("+2") << c << true;
    QTest::newRow("minus sign") << QStringLiteral("-12") << c << true;
    QTest::newRow("fraction") << QStringLiteral("256.5") << c << true;
    QTest::newRow("lone minus") << QStringLiteral("-") << c << false;
    QTest::newRow("lone plus") << QStringLiteral("+") << c << false;
    QTest::newRow("lone point") << QStringLiteral(".") << c << false;
    QTest::newRow("sign and point") << QStringLiteral("-.") << c << false;
    QTest::newRow("digits then letter") << QStringLiteral("12a") << c << false;
    QTest::newRow("inner blank") << QStringLiteral("1 2") << c << false;
    QTest::newRow("leading blank") << QStringLiteral(" 12") << c << false;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << c << false;
    QTest::newRow("two signs") << QStringLiteral("--1") << c << false;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << c << false;
    QTest::newRow("exponent with lone sign") << QStringLiteral("1e+") << c << false;
    QTest::newRow("exponent alone") << QStringLiteral("e3") << c << false;
    QTest::newRow("fractional exponent") << QStringLiteral("1e2.5") << c << false;
    QTest::newRow("thousands separator") << QStringLiteral("1,000") << c << false;
    QTest::newRow("hexadecimal") << QStringLiteral("0x1A") << c << false;
    QTest::newRow("currency") << QStringLiteral("$5") << c << false;
    QTest::newRow("infinity word") << QStringLiteral("inf") << c << false;
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0662") << c << false;
    QTest::newRow("decimal comma under German") << QStringLiteral("1,5") << de << true;
    QTest::newRow("point is not decimal under German") << QStringLiteral("1.5") << de << false;
    QTest::newRow("whole number under German") << QStringLiteral("64") << de << true;
}

void tst_NumberTest::validNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(bool, valid);
    QCOMPARE(isValidNumber(text, QLocale(locale)), valid);
}

void tst_NumberTest::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("whole") << QStringLiteral("257") << 257.0;
    QTest::newRow("fraction") << QStringLiteral("256.5") << 256.5;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("negative exponent") << QStringLiteral("25e-1") << 2.5;
    QTest::newRow("trailing point") << QStringLiteral("1.") << 1.0;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("plus sign") << QStringLiteral("+2") << 2.0;
    QTest::newRow("minus sign") << QStringLiteral("-300") << -300.0;
    QTest::newRow("lone minus") << QStringLiteral("-") << 0.0;
    QTest::newRow("lone point") << QStringLiteral(".") << 0.0;
    QTest::newRow("digits then letter") << QStringLiteral("12a") << 12.0;
    QTest::newRow("digits then blank") << QStringLiteral("1 2") << 1.0;
    QTest::newRow("exponent without digits is left off") << QStringLiteral("3e") << 3.0;
    QTest::newRow("exponent with lone sign is left off") << QStringLiteral("3e-x") << 3.0;
    QTest::newRow("second point ends the number") << QStringLiteral("1.5.2") << 1.5;
    QTest::newRow("decimal comma reads as its whole part") << QStringLiteral("1,5") << 1.0;
    QTest::newRow("letters first") << QStringLiteral("abc") << 0.0;
    QTest::newRow("leading blank") << QStringLiteral(" 5") << 0.0;
    QTest::newRow("underflow") << QStringLiteral("1e-999") << 0.0;
    QTest::newRow("leading zeros do not make it large")
        << QString(400, QLatin1Char('0')) + QStringLiteral("1e-400") << 0.0;
    QTest::newRow("small fraction underflows")
        << QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1") << 0.0;
}

void tst_NumberTest::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::numericValue(text), value);
}

void tst_NumberTest::numericValueSaturates()
{
    QVERIFY(std::isinf(::numericValue(QStringLiteral("1e999"))));
    QVERIFY(::numericValue(QStringLiteral("-1e999")) < 0);
    QVERIFY(std::isinf(::numericValue(QString(400, QLatin1Char('9')))));
    QVERIFY(std::isinf(::numericValue(QString(400, QLatin1Char('9')) + QStringLiteral("e-5"))));
}

QTEST_GUILESS_MAIN(tst_NumberTest)
#include "tst_numbertest.moc"
