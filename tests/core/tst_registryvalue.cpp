#include "fakeregistry.h"
#include "sysinfo.h"

#include <QTest>

class tst_RegistryValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decode_data();
    void decode();
    void getKeyValue_data();
    void getKeyValue();
};

static QByteArray number(quint32 n)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(char((n >> (8 * i)) & 0xFF));
    return bytes;
}

void tst_RegistryValue::decode_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("after");

    const quint32 text = Registry::TypeString;
    const quint32 num = Registry::TypeNumber;
    QTest::newRow("string with terminating zero")
        << text << QByteArray("C:\\Tools\\info.exe", 18) << QString() << true
        << QStringLiteral("C:\\Tools\\info.exe");
    QTest::newRow("string without terminating zero keeps its last char")
        << text << QByteArray("C:\\Tools\\info.exe") << QString() << true
        << QStringLiteral("C:\\Tools\\info.exe");
    QTest::newRow("string of only the terminator")
        << text << QByteArray(1, '\0') << QString() << true << QString();
    QTest::newRow("empty string") << text << QByteArray() << QStringLiteral("stale") << true
                                  << QString();
    QTest::newRow("string of exactly 1024 bytes")
        << text << QByteArray(1024, 'x') << QString() << true << QString(1024, QLatin1Char('x'));
    QTest::newRow("1024 bytes with terminator")
        << text << QByteArray(1023, 'y').append('\0') << QString() << true
        << QString(1023, QLatin1Char('y'));
    QTest::newRow("string over 1024 bytes fails")
        << text << QByteArray(1025, 'x') << QStringLiteral("stale") << false << QString();
    QTest::newRow("number 0") << num << number(0) << QString() << true << QStringLiteral("&h0");
    QTest::newRow("number 261") << num << number(261) << QString() << true
                                << QStringLiteral("&h105");
    QTest::newRow("number 0xFFFFFFFF")
        << num << number(0xFFFFFFFFu) << QString() << true << QStringLiteral("&hFFFFFFFF");
    QTest::newRow("number with zero low bytes")
        << num << number(0x0A000000u) << QString() << true << QStringLiteral("&hA000000");
    QTest::newRow("number over 1024 bytes fails")
        << num << QByteArray(2000, '\1') << QString() << false << QString();
    QTest::newRow("binary type leaves value unchanged")
        << quint32(3) << QByteArray("abc") << QStringLiteral("kept") << true
        << QStringLiteral("kept");
    QTest::newRow("expandable string type leaves value unchanged")
        << quint32(2) << QByteArray("%SystemRoot%", 13) << QString() << true << QString();
}

void tst_RegistryValue::decode()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, before);
    QFETCH(bool, ok);
    QFETCH(QString, after);

    QString value = before;
    QCOMPARE(decodeKeyValue(type, bytes, value), ok);
    QCOMPARE(value, after);
}

void tst_RegistryValue::getKeyValue_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<bool>("valueExists");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<quint32>("granted");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");

    const QByteArray path("C:\\info.exe", 12);
    QTest::newRow("plain user without write rights can read")
        << true << true << path << Registry::KeyRead << true << QStringLiteral("C:\\info.exe");
    QTest::newRow("no such key") << false << false << path << Registry::KeyRead << false
                                 << QString();
    QTest::newRow("no such value")
        << true << false << path << Registry::KeyRead << false << QString();
    QTest::newRow("access refused") << true << true << path << quint32(0) << false << QString();
    QTest::newRow("value too long")
        << true << true << QByteArray(1500, 'z') << Registry::KeyRead << false << QString();
}

void tst_RegistryValue::getKeyValue()
{
    QFETCH(bool, keyExists);
    QFETCH(bool, valueExists);
    QFETCH(QByteArray, data);
    QFETCH(quint32, granted);
    QFETCH(bool, ok);
    QFETCH(QString, result);

    const QString key = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
    FakeRegistry registry;
    registry.grantedAccess = granted;
    if (keyExists) {
        registry.keys[key];
        if (valueExists)
            registry.setString(key, QStringLiteral("PATH"), data);
    }

    QString value = QStringLiteral("stale");
    QCOMPARE(GetKeyValue(registry, Registry::LocalMachine, key, QStringLiteral("PATH"), value), ok);
    QCOMPARE(value, result);
    QCOMPARE(registry.requestedAccess, QList<quint32> { Registry::KeyRead });
    QCOMPARE(registry.openHandles, 0);
}

QTEST_GUILESS_MAIN(tst_RegistryValue)
#include "tst_registryvalue.moc"
