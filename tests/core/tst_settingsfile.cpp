#include "settingsfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lastField_data();
    void lastField();
    void binaryGarbageIsSurvived_data();
    void binaryGarbageIsSurvived();
    void fiftyMegabytesAreRead();
    void writtenFormIsQuotePathQuoteCrLf();
    void roundTrip_data();
    void roundTrip();
    void writeReplacesLongerContent();
    void readFailure_data();
    void readFailure();
    void writeFailure_data();
    void writeFailure();
    void fullDiskKeepsOldFile();

private:
    QTemporaryDir m_tmp;
};

void TestSettingsFile::lastField_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one quoted line")
        << QByteArray("\"C:\\Games\\Alpha\"\r\n") << QStringLiteral("C:\\Games\\Alpha");
    QTest::newRow("two lines, the last counts")
        << QByteArray("\"C:\\A\"\r\n\"C:\\B\"\r\n") << QStringLiteral("C:\\B");
    QTest::newRow("comma inside quotes belongs to the field")
        << QByteArray("\"/m/a, b\"\r\n") << QStringLiteral("/m/a, b");
    QTest::newRow("comma outside quotes separates fields")
        << QByteArray("\"/m/a\",\"/m/b\"\r\n") << QStringLiteral("/m/b");
    QTest::newRow("unquoted field runs to the comma")
        << QByteArray("/x,/y/z\r\n") << QStringLiteral("/y/z");
    QTest::newRow("leading spaces skipped")
        << QByteArray("   \"/m/a\"\r\n") << QStringLiteral("/m/a");
    QTest::newRow("leading spaces before unquoted")
        << QByteArray("  /m/a") << QStringLiteral("/m/a");
    QTest::newRow("spaces inside quotes kept")
        << QByteArray("\"  /m/a \"") << QStringLiteral("  /m/a ");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("only line ends and spaces") << QByteArray("\r\n  \r\n\n") << QString();
    QTest::newRow("blank line after the value")
        << QByteArray("\"/m/a\"\r\n\r\n") << QStringLiteral("/m/a");
    QTest::newRow("trailing comma") << QByteArray("\"/m/a\",") << QStringLiteral("/m/a");
    QTest::newRow("empty field between commas is a field")
        << QByteArray("\"/m/a\",,x,") << QStringLiteral("x");
    QTest::newRow("LF line ends") << QByteArray("\"/a\"\n\"/b\"\n") << QStringLiteral("/b");
    QTest::newRow("CR line ends") << QByteArray("\"/a\"\r\"/b\"\r") << QStringLiteral("/b");
    QTest::newRow("no line end at all") << QByteArray("\"/m/a\"") << QStringLiteral("/m/a");
    QTest::newRow("unterminated quote runs to the end")
        << QByteArray("\"/m/a,\r\nb") << QStringLiteral("/m/a,\r\nb");
    QTest::newRow("text after the closing quote dropped")
        << QByteArray("\"/m/a\"junk\r\n") << QStringLiteral("/m/a");
    QTest::newRow("empty quoted field") << QByteArray("\"/m/a\"\r\n\"\"\r\n") << QString();
    // In the system's 8-bit encoding: UTF-8, or the code page on Windows.
    QTest::newRow("non-ASCII letters")
        << QStringLiteral("\"/m/\u00c4lg \u00e9t\u00e9\"\r\n").toLocal8Bit()
        << QStringLiteral("/m/\u00c4lg \u00e9t\u00e9");
}

void TestSettingsFile::lastField()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QCOMPARE(lastSettingsField(content), expected);
}

void TestSettingsFile::binaryGarbageIsSurvived_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("size");
    QTest::newRow("one byte") << 1u << 1;
    QTest::newRow("short") << 7u << 33;
    QTest::newRow("a page") << 42u << 4096;
    QTest::newRow("a megabyte") << 1234u << (1 << 20);
}

void TestSettingsFile::binaryGarbageIsSurvived()
{
    QFETCH(quint32, seed);
    QFETCH(int, size);
    QRandomGenerator random(seed);
    QByteArray garbage(size, Qt::Uninitialized);
    for (char &c : garbage)
        c = char(random.bounded(256));
    const QString field = lastSettingsField(garbage);
    // Decoding never yields more characters than there are bytes.
    QVERIFY(field.size() <= garbage.size());
    // Whatever garbage came first, a value written after it is read back.
    QCOMPARE(lastSettingsField(garbage + "\"\r\n\"/m/after\"\r\n"), QStringLiteral("/m/after"));
}

void TestSettingsFile::fiftyMegabytesAreRead()
{
    const QByteArray line("\"/m/some folder, with comma\"\r\n");
    QByteArray content;
    content.reserve(50 * 1024 * 1024 + 64);
    while (content.size() < 50 * 1024 * 1024)
        content += line;
    content += "\"/m/the last\"\r\n";
    const QString path = m_tmp.filePath(QStringLiteral("big.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();

    QElapsedTimer timer;
    timer.start();
    const SettingsRead read = readSettingsFile(path);
    const qint64 ms = timer.elapsed();
    QVERIFY(read.ok);
    QCOMPARE(read.value, QStringLiteral("/m/the last"));
    QVERIFY2(ms < 10000, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    QFile::remove(path);
}

void TestSettingsFile::writtenFormIsQuotePathQuoteCrLf()
{
    const QByteArray bytes = settingsFileBytes(QStringLiteral("C:\\Games\\Missions\\Alpha"));
    QCOMPARE(bytes, QByteArray("\"C:\\Games\\Missions\\Alpha\"\r\n"));
    QCOMPARE(bytes.size(), 27);
}

void TestSettingsFile::roundTrip_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::newRow("plain") << QStringLiteral("Alpha");
    QTest::newRow("comma") << QStringLiteral("Alpha, Bravo");
    QTest::newRow("leading spaces") << QStringLiteral("  Alpha");
    QTest::newRow("non-ASCII letters") << QStringLiteral("\u00c5ngstr\u00f6m \u0141\u00f3d\u017a");
    QTest::newRow("non-Latin letters") << QStringLiteral("\u041c\u0438\u0441\u0441\u0438\u044f");
}

void TestSettingsFile::roundTrip()
{
    QFETCH(QString, folderName);
    if (QString::fromLocal8Bit(folderName.toLocal8Bit()) != folderName)
        QSKIP("the system's code page cannot hold these letters");
    const QString folder = QDir::toNativeSeparators(m_tmp.filePath(folderName));
    QVERIFY(QDir().mkpath(folder));
    const QString ini = m_tmp.filePath(QStringLiteral("roundtrip.ini"));
    const WriteResult written = writeSettingsFile(ini, folder);
    QVERIFY2(written.ok, qPrintable(written.reason));
    const SettingsRead read = readSettingsFile(ini);
    QVERIFY(read.ok);
    QCOMPARE(read.value, folder);
    QVERIFY(QFileInfo(read.value).isDir());
}

void TestSettingsFile::writeReplacesLongerContent()
{
    const QString ini = m_tmp.filePath(QStringLiteral("replace.ini"));
    QFile file(ini);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"/a/very/long/folder/name/that/was/here/before\"\r\n\"/another\"\r\n");
    file.close();
    QVERIFY(writeSettingsFile(ini, QStringLiteral("/m")).ok);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"/m\"\r\n"));
}

void TestSettingsFile::readFailure_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << QStringLiteral("absent");
    QTest::newRow("folder in its place") << QStringLiteral("folder");
    QTest::newRow("named pipe does not block") << QStringLiteral("fifo");
    QTest::newRow("link to an endless device") << QStringLiteral("zero");
}

void TestSettingsFile::readFailure()
{
    QFETCH(QString, kind);
    const QString ini = m_tmp.filePath(kind + QStringLiteral(".ini"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(ini));
#ifdef Q_OS_WIN
    if (kind == QLatin1String("fifo") || kind == QLatin1String("zero"))
        QSKIP("named pipes in folders and /dev/zero are POSIX's");
#else
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    if (kind == QLatin1String("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), ini));
#endif
    const SettingsRead read = readSettingsFile(ini);
    QVERIFY(!read.ok);
    QVERIFY(!read.error.isEmpty());
    QVERIFY(read.value.isEmpty());
}

void TestSettingsFile::writeFailure_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("missing folder")
        << QStringLiteral("no/such/folder/Varnholt.ini") << QStringLiteral("does not exist");
    QTest::newRow("path through a regular file")
        << QStringLiteral("plain.txt/Varnholt.ini") << QStringLiteral("is a file");
    QTest::newRow("folder in its place")
        << QStringLiteral("taken/Varnholt.ini") << QStringLiteral("folder is in its place");
}

void TestSettingsFile::writeFailure()
{
    QFETCH(QString, relative);
    QFETCH(QString, reasonPart);
    QFile plain(m_tmp.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir().mkpath(m_tmp.filePath(QStringLiteral("taken/Varnholt.ini"))));

    const WriteResult written = writeSettingsFile(m_tmp.filePath(relative), QStringLiteral("/m"));
    QVERIFY(!written.ok);
    QVERIFY2(written.reason.contains(reasonPart), qPrintable(written.reason));
}

// A file-size limit makes the disk look full to a child process.
void TestSettingsFile::fullDiskKeepsOldFile()
{
    const QString ini = m_tmp.filePath(QStringLiteral("full.ini"));
    QVERIFY(writeSettingsFile(ini, QStringLiteral("/old")).ok);
#ifdef Q_OS_WIN
    QSKIP("a full disk is made with fork and a file-size limit");
#else
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit { 4, 4 };
        setrlimit(RLIMIT_FSIZE, &limit);
        const WriteResult written = writeSettingsFile(ini, QStringLiteral("/a/new/longer/folder"));
        _exit(written.ok ? 0 : (written.reason.isEmpty() ? 2 : 1));
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 1); // failed, with a reason
    QCOMPARE(readSettingsFile(ini).value, QStringLiteral("/old"));
#endif
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
