#include "settingslocation.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void location_data();
    void location();
    void seedsUsersOwnFolder();
};

namespace {

void put(const QString &path, const QByteArray &content)
{
    if (content.isNull())
        return;
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

void TestSettingsLocation::location_data()
{
    // A null content is a file that does not exist.
    QTest::addColumn<QByteArray>("beside");
    QTest::addColumn<bool>("besideWritable");
    QTest::addColumn<QByteArray>("shared");
    QTest::addColumn<QByteArray>("own");
    QTest::addColumn<QString>("expected"); // relative to the temporary folder
    QTest::addColumn<QByteArray>("expectedContent");

    const QByteArray none;
    const QString beside = QStringLiteral("prefix/bin/Varnholt.ini");
    const QString own = QStringLiteral("config/quillmark/Varnholt.ini");
    QTest::newRow("writable file beside the program")
        << QByteArray("\"/a\"") << true << QByteArray("\"/s\"") << QByteArray("\"/o\"") << beside
        << QByteArray("\"/a\"");
    QTest::newRow("read-only file beside is copied for the user")
        << QByteArray("\"/a\"") << false << QByteArray("\"/s\"") << none << own
        << QByteArray("\"/a\"");
    QTest::newRow("installed shared file is copied for the user")
        << none << false << QByteArray("\"/s\"") << none << own << QByteArray("\"/s\"");
    QTest::newRow("the user's own file is never overwritten")
        << QByteArray("\"/a\"") << false << QByteArray("\"/s\"") << QByteArray("\"/o\"") << own
        << QByteArray("\"/o\"");
    QTest::newRow("nothing shipped: the missing file beside the program")
        << none << true << none << none << beside << none;
}

void TestSettingsLocation::location()
{
    QFETCH(QByteArray, beside);
    QFETCH(bool, besideWritable);
    QFETCH(QByteArray, shared);
    QFETCH(QByteArray, own);
    QFETCH(QString, expected);
    QFETCH(QByteArray, expectedContent);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString programDir = tmp.filePath(QStringLiteral("prefix/bin"));
    QVERIFY(QDir().mkpath(programDir));
    put(programDir + QStringLiteral("/Varnholt.ini"), beside);
    put(tmp.filePath(QStringLiteral("prefix/share/quillmark/Varnholt.ini")), shared);
    const QString configDir = tmp.filePath(QStringLiteral("config/quillmark"));
    put(configDir + QStringLiteral("/Varnholt.ini"), own);

    const QString path = settingsFileLocation(programDir, configDir,
                                              [&](const QString &) { return besideWritable; });

    QCOMPARE(path, tmp.filePath(expected));
    QFile file(path);
    QCOMPARE(file.open(QIODevice::ReadOnly), !expectedContent.isNull());
    if (!expectedContent.isNull()) {
        QCOMPARE(file.readAll(), expectedContent);
        QVERIFY(file.permissions() & QFile::WriteOwner);
    }
}

// The real user folder (in test mode): the config folder on Linux, the
// application-data folder on Windows.
void TestSettingsLocation::seedsUsersOwnFolder()
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString programDir = tmp.filePath(QStringLiteral("prefix/bin"));
    QVERIFY(QDir().mkpath(programDir));
    put(tmp.filePath(QStringLiteral("prefix/share/quillmark/Varnholt.ini")), "\"/s\"");
    const QString path = settingsFileLocation(programDir);
    QVERIFY2(!path.startsWith(tmp.path()), qPrintable(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"/s\""));
    file.close();
    QVERIFY(QFile::remove(path));
}

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
