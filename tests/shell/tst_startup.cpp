#include "programversion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the built program as a user would, from a copy in a folder of its own
// so that its settings file can be absent. Whether the main window shows is
// seen from outside in the end-to-end journeys; here the process is watched.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsOnlyWithSettingsFile_data();
    void startsOnlyWithSettingsFile();
    void printsWithoutDisplayOrSettings_data();
    void printsWithoutDisplayOrSettings();

private:
    QString m_source;
};

void TestStartup::initTestCase()
{
    m_source = QStringLiteral(QUILLMARK_BIN_DIR "/quillmark");
    if (!QFileInfo(m_source).isExecutable())
        QSKIP("the quillmark program is not built");
}

void TestStartup::startsOnlyWithSettingsFile_data()
{
    QTest::addColumn<QString>("settings"); // "missing", "folder" or the file's content
    QTest::addColumn<bool>("starts");
    QTest::newRow("no settings file") << QStringLiteral("missing") << false;
    QTest::newRow("folder in place of the settings file") << QStringLiteral("folder") << false;
    QTest::newRow("settings file naming a folder") << QStringLiteral("\"%1\"\r\n") << true;
    QTest::newRow("empty settings file") << QString() << true;
    QTest::newRow("settings file naming a deleted folder")
        << QStringLiteral("\"%1/gone\"\r\n") << true;
}

void TestStartup::startsOnlyWithSettingsFile()
{
    QFETCH(QString, settings);
    QFETCH(bool, starts);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString program = tmp.filePath(QStringLiteral("quillmark"));
    QVERIFY(QFile::copy(m_source, program));
    const QString ini = tmp.filePath(QStringLiteral("Varnholt.ini"));
    QByteArray content;
    if (settings == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(ini));
    } else if (settings != QLatin1String("missing")) {
        content = QFile::encodeName(
            settings.contains(QLatin1String("%1")) ? settings.arg(tmp.path()) : settings);
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(tmp.path());
    process.start(program, {});
    QVERIFY2(process.waitForStarted(10000), qPrintable(process.errorString()));

    const bool ended = process.waitForFinished(3000);
    if (starts) {
        QVERIFY2(!ended,
                 qPrintable(QStringLiteral("ended with %1: %2")
                                .arg(process.exitCode())
                                .arg(QString::fromLocal8Bit(process.readAllStandardError()))));
        process.kill();
        process.waitForFinished(5000);
        // Start-up only reads the settings file.
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    } else {
        // Without its settings file the program reports it and ends unsuccessfully;
        // offscreen nobody can close the report, so it may still be waiting on it.
        if (ended) {
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QVERIFY(process.exitCode() != 0);
        } else {
            process.kill();
            process.waitForFinished(5000);
        }
        QCOMPARE(QFileInfo(ini).isFile(), false);
    }
}

void TestStartup::printsWithoutDisplayOrSettings_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("printed");
    QTest::newRow("help") << "--help"
                          << "[FOLDER|PAGE]";
    QTest::newRow("version") << "--version" << programVersion();
}

void TestStartup::printsWithoutDisplayOrSettings()
{
    QFETCH(QString, option);
    QFETCH(QString, printed);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        env.remove(name);
    process.setProcessEnvironment(env);
    QTemporaryDir tmp; // the copy has no settings file beside it
    QVERIFY(QFile::copy(m_source, tmp.filePath("quillmark")));
    process.start(tmp.filePath("quillmark"), { option });
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(process.readAllStandardOutput()).contains(printed));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
