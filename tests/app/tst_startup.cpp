#include "programversion.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Starts the built program as a user would, from a copy in a folder of its own
// so that its settings file can be absent. Whether the main window shows is
// seen from outside in the end-to-end journeys; here the process is watched.
// Every case's program starts at once, so the cases share one wait.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsOnlyWithSettingsFile_data();
    void startsOnlyWithSettingsFile();
    void cleanupTestCase();
    void printsWithoutDisplayOrSettings_data();
    void printsWithoutDisplayOrSettings();

private:
    struct Case
    {
        const char *name;
        QString settings; // "missing", "folder" or the file's content
        bool starts;
        std::unique_ptr<QTemporaryDir> folder;
        std::unique_ptr<QProcess> process;
        QByteArray content;
    };
    std::vector<Case> m_cases;
    QElapsedTimer m_clock;
    QString m_source;
};

void TestStartup::initTestCase()
{
    m_source = QStringLiteral(QUILLMARK_BIN_DIR "/quillmark" QUILLMARK_EXE_SUFFIX);
    const QString &source = m_source;
    if (!QFileInfo(source).isExecutable())
        QSKIP("the quillmark program is not built");
    m_cases.push_back({ "no settings file", QStringLiteral("missing"), false, {}, {}, {} });
    m_cases.push_back(
        { "folder in place of the settings file", QStringLiteral("folder"), false, {}, {}, {} });
    m_cases.push_back(
        { "settings file naming a folder", QStringLiteral("\"%1\"\r\n"), true, {}, {}, {} });
    m_cases.push_back({ "empty settings file", QString(), true, {}, {}, {} });
    m_cases.push_back({ "settings file naming a deleted folder",
                        QStringLiteral("\"%1/gone\"\r\n"),
                        true,
                        {},
                        {},
                        {} });

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (Case &c : m_cases) {
        c.folder = std::make_unique<QTemporaryDir>();
        QVERIFY(c.folder->isValid());
        const QString program
            = c.folder->filePath(QStringLiteral("quillmark" QUILLMARK_EXE_SUFFIX));
        QVERIFY(QFile::copy(source, program));
        const QString ini = c.folder->filePath(QStringLiteral("Varnholt.ini"));
        if (c.settings == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(ini));
        } else if (c.settings != QLatin1String("missing")) {
            c.content = QFile::encodeName(c.settings.contains(QLatin1String("%1"))
                                              ? c.settings.arg(c.folder->path())
                                              : c.settings);
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(c.content), c.content.size());
        }
        c.process = std::make_unique<QProcess>();
        // A settings file of the user's own must not stand in for the missing one.
        QProcessEnvironment own = env;
        own.insert(QStringLiteral("XDG_CONFIG_HOME"), c.folder->filePath(QStringLiteral("config")));
        c.process->setProcessEnvironment(own);
        c.process->setWorkingDirectory(c.folder->path());
        c.process->start(program, {});
        QVERIFY2(c.process->waitForStarted(10000), qPrintable(c.process->errorString()));
    }
    m_clock.start();
}

void TestStartup::startsOnlyWithSettingsFile_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(m_cases.size()); ++i)
        QTest::newRow(m_cases[std::size_t(i)].name) << i;
}

void TestStartup::startsOnlyWithSettingsFile()
{
    QFETCH(int, index);
    Case &c = m_cases[std::size_t(index)];
    QProcess &process = *c.process;
    const QString ini = c.folder->filePath(QStringLiteral("Varnholt.ini"));
    if (c.starts) {
        // Still running once a started program would long have shown its window.
        QTest::qWait(int(qMax<qint64>(0, 2500 - m_clock.elapsed())));
        QVERIFY2(process.state() == QProcess::Running,
                 qPrintable(QStringLiteral("ended with %1: %2")
                                .arg(process.exitCode())
                                .arg(QString::fromLocal8Bit(process.readAllStandardError()))));
        // Start-up only reads the settings file.
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), c.content);
    } else {
        // The report names the file; offscreen nobody can close its box, so
        // the program may still be waiting on it.
        QByteArray said;
        const QByteArray named = QFile::encodeName(QDir::toNativeSeparators(ini));
        QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardError()).contains(named), 10000);
        QVERIFY2(!speaksLanguageOf("C") || said.contains("could not be read"), said.constData());
        QCOMPARE(QFileInfo(ini).isFile(), false);
        if (process.state() == QProcess::NotRunning) {
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QVERIFY(process.exitCode() != 0);
        }
    }
}

void TestStartup::cleanupTestCase()
{
    for (Case &c : m_cases) {
        if (c.process) {
            c.process->kill();
            c.process->waitForFinished(5000);
        }
    }
}

void TestStartup::printsWithoutDisplayOrSettings_data()
{
    QTest::addColumn<QString>("language"); // LC_ALL; empty: C, printed alike in every language
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("printed");
    QTest::newRow("help") << ""
                          << "--help"
                          << "[FOLDER|PAGE]";
    QTest::newRow("version") << ""
                             << "--version" << programVersion();
    QTest::newRow("help in Czech") << "cs_CZ.UTF-8"
                                   << "--help"
                                   << "Vytváří stránky s přehledem a briefingem mise hry Varnholt.";
    QTest::newRow("Qt's help in Czech") << "cs_CZ.UTF-8"
                                        << "--help"
                                        << "Volby:\n  -h, --help";
    // No catalogue of ours for German: Qt's texts must not turn German either.
    for (const char *language : { "C", "en_GB.UTF-8", "de_DE.UTF-8" })
        QTest::addRow("help in English under %s", language)
            << language << "--help"
            << "Writes the overview and briefing pages of a Varnholt mission.\n\n"
               "Options:\n  -h, --help";
}

void TestStartup::printsWithoutDisplayOrSettings()
{
    QFETCH(QString, language);
    QFETCH(QString, option);
    QFETCH(QString, printed);
    if (!language.isEmpty() && !speaksLanguageOf(language))
        QSKIP("the program speaks the user's language, whatever LC_ALL says");
#ifdef Q_OS_WIN
    printed.replace("  -h, --help", "  -?, -h, --help"); // Qt's Windows help option
#endif
    QProcess process;
    withoutDisplay(process);
    QProcessEnvironment env = process.processEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    if (!language.isEmpty())
        env.insert(QStringLiteral("LC_ALL"), language);
    process.setProcessEnvironment(env);
    QTemporaryDir tmp; // the copy has no settings file beside it
    QVERIFY(QFile::copy(m_source, tmp.filePath("quillmark" QUILLMARK_EXE_SUFFIX)));
    process.start(tmp.filePath("quillmark" QUILLMARK_EXE_SUFFIX), { option });
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(process.readAllStandardOutput())
                .replace("\r\n", "\n")
                .contains(printed));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
