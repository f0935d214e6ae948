#include "fakeregistry.h"
#include "registrypath.h"
#include "scriptedprompter.h"
#include "sysinfo.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString pathKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString locationKey = QStringLiteral(R"(SOFTWARE\Microsoft\Shared Tools Location)");
const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

QByteArray zeroTerminated(const QString &text)
{
    return text.toLocal8Bit().append('\0');
}

bool makeFile(const QString &path, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\ntouch \"$0.ran\"\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    return file.setPermissions(permissions);
}
} // namespace

class tst_SysInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startSysInfo_data();
    void startSysInfo();
    void pathRegistryFindsProgram_data();
    void pathRegistryFindsProgram();
    void pathRegistryAnswersNothingElse();
    void realServicesStartProgramWithoutWaiting();
    void systemRegistryFindsSysInfo_data();
    void systemRegistryFindsSysInfo();
};

void tst_SysInfo::startSysInfo_data()
{
    QTest::addColumn<QString>("pathValue"); // null: no such value
    QTest::addColumn<QString>("locationValue");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<quint32>("granted");
    QTest::addColumn<bool>("startFails");
    QTest::addColumn<QString>("started"); // empty: nothing started, the message shown
    QTest::addColumn<bool>("secondKeyOpened");

    const QString tool = QStringLiteral(R"(C:\Tools\info.exe)");
    const QString folder = QStringLiteral(R"(C:\MSInfo)");
    const QString msinfo = QStringLiteral(R"(C:\MSInfo\MSINFO32.EXE)");
    const quint32 read = Registry::KeyRead;

    QTest::newRow("first key names an existing program")
        << tool << folder << QStringList { tool, msinfo } << read << false << tool << false;
    QTest::newRow("first key names a missing file, second key not consulted")
        << tool << folder << QStringList { msinfo } << read << false << QString() << false;
    QTest::newRow("only second key, folder holds MSINFO32.EXE")
        << QString() << folder << QStringList { msinfo } << read << false << msinfo << true;
    QTest::newRow("only second key, folder lacks MSINFO32.EXE")
        << QString() << folder << QStringList { tool } << read << false << QString() << true;
    QTest::newRow("neither key") << QString() << QString() << QStringList { tool, msinfo } << read
                                 << false << QString() << false;
    QTest::newRow("keys refused to this user") << tool << folder << QStringList { tool, msinfo }
                                               << quint32(0) << false << QString() << false;
    QTest::newRow("program cannot be started")
        << tool << folder << QStringList { tool } << read << true << QString() << false;
}

void tst_SysInfo::startSysInfo()
{
    QFETCH(QString, pathValue);
    QFETCH(QString, locationValue);
    QFETCH(QStringList, files);
    QFETCH(quint32, granted);
    QFETCH(bool, startFails);
    QFETCH(QString, started);
    QFETCH(bool, secondKeyOpened);

    auto registry = std::make_shared<FakeRegistry>();
    registry->grantedAccess = granted;
    if (!pathValue.isNull())
        registry->setString(pathKey, QStringLiteral("PATH"), zeroTerminated(pathValue));
    if (!locationValue.isNull())
        registry->setString(locationKey, QStringLiteral("MSINFO"), zeroTerminated(locationValue));

    QStringList startCalls;
    SysInfoServices services;
    services.registry = registry;
    services.fileExists = [&](const QString &path) { return files.contains(path); };
    services.startProgram = [&](const QString &program) {
        startCalls.append(program);
        return !startFails && files.contains(program);
    };

    ScriptedPrompter prompter;
    StartSysInfo(services, prompter);

    if (started.isEmpty()) {
        QCOMPARE(prompter.shown.size(), 1);
        const ScriptedPrompter::Shown &box = prompter.shown.first();
        QCOMPARE(box.text, unavailable);
        QCOMPARE(box.title, QStringLiteral("Quillmark"));
        QCOMPARE(box.icon, Prompter::Icon::None);
        QCOMPARE(box.buttons, Prompter::Buttons::Ok);
    } else {
        QCOMPARE(startCalls, QStringList { started });
        QVERIFY(prompter.shown.isEmpty());
    }
    QCOMPARE(registry->openedKeys.contains(locationKey), secondKeyOpened);
    QCOMPARE(registry->openHandles, 0);
}

void tst_SysInfo::pathRegistryFindsProgram_data()
{
    QTest::addColumn<QStringList>("firstFolder"); // name, or name + "!" for not executable
    QTest::addColumn<QStringList>("secondFolder");
    QTest::addColumn<QString>("expected"); // "first/name" or "second/name"; empty: none

    QTest::newRow("hardinfo alone") << QStringList { QStringLiteral("hardinfo") } << QStringList {}
                                    << QStringLiteral("first/hardinfo");
    QTest::newRow("earlier program name wins over earlier folder")
        << QStringList { QStringLiteral("hardinfo") } << QStringList { QStringLiteral("hardinfo2") }
        << QStringLiteral("second/hardinfo2");
    QTest::newRow("not executable is skipped")
        << QStringList { QStringLiteral("kinfocenter!"), QStringLiteral("gnome-system-monitor") }
        << QStringList {} << QStringLiteral("first/gnome-system-monitor");
    QTest::newRow("same program in both folders, first folder wins")
        << QStringList { QStringLiteral("kinfocenter") }
        << QStringList { QStringLiteral("kinfocenter") } << QStringLiteral("first/kinfocenter");
    QTest::newRow("no program installed")
        << QStringList { QStringLiteral("msinfo32") } << QStringList {} << QString();
}

void tst_SysInfo::pathRegistryFindsProgram()
{
#ifdef Q_OS_WIN
    QSKIP(
        "the PATH stand-in serves systems without a registry; its programs here are shell scripts");
#endif
    QFETCH(QStringList, firstFolder);
    QFETCH(QStringList, secondFolder);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QList<std::pair<QString, QStringList>> folders {
        { QStringLiteral("first"), firstFolder }, { QStringLiteral("second"), secondFolder }
    };
    QStringList searchFolders;
    for (const auto &[folder, names] : folders) {
        QVERIFY(QDir(dir.path()).mkdir(folder));
        searchFolders.append(dir.filePath(folder));
        for (QString name : names) {
            const bool executable = !name.endsWith(QLatin1Char('!'));
            name.remove(QLatin1Char('!'));
            QVERIFY(makeFile(dir.filePath(folder + QLatin1Char('/') + name), executable));
        }
    }

    auto registry = std::make_shared<PathRegistry>(searchFolders);
    QStringList startCalls;
    SysInfoServices services;
    services.registry = registry;
    services.fileExists = [](const QString &) { return false; };
    services.startProgram = [&](const QString &program) {
        startCalls.append(program);
        return true;
    };
    ScriptedPrompter prompter;
    StartSysInfo(services, prompter);

    if (expected.isEmpty()) {
        QVERIFY(startCalls.isEmpty());
        QCOMPARE(prompter.texts(), QStringList { unavailable });
    } else {
        QCOMPARE(startCalls, QStringList { dir.filePath(expected) });
        QVERIFY(prompter.shown.isEmpty());
    }
}

void tst_SysInfo::pathRegistryAnswersNothingElse()
{
#ifdef Q_OS_WIN
    QSKIP(
        "the PATH stand-in serves systems without a registry; its programs here are shell scripts");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(makeFile(dir.filePath(QStringLiteral("hardinfo")), true));
    PathRegistry registry({ dir.path() });

    Registry::Handle key = 0;
    QVERIFY(!registry.open(Registry::LocalMachine, locationKey, Registry::KeyRead, key));
    QVERIFY(!registry.open(0x80000001u, pathKey, Registry::KeyRead, key));

    QVERIFY(registry.open(Registry::LocalMachine, pathKey, Registry::KeyRead, key));
    quint32 type = 0;
    QByteArray data;
    QVERIFY(!registry.query(key, QStringLiteral("MSINFO"), type, data));
    QVERIFY(registry.query(key, QStringLiteral("PATH"), type, data));
    QCOMPARE(type, Registry::TypeString);
    QCOMPARE(data, zeroTerminated(dir.filePath(QStringLiteral("hardinfo"))));
    registry.close(key);
}

void tst_SysInfo::realServicesStartProgramWithoutWaiting()
{
#ifdef Q_OS_WIN
    QSKIP("on Windows the real services read the registry: systemRegistryFindsSysInfo");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("hardinfo"));
    QVERIFY(makeFile(program, true));

    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    SysInfoServices services = SysInfoServices::system();
    qputenv("PATH", savedPath);

    ScriptedPrompter prompter;
    StartSysInfo(services, prompter);
    QVERIFY(prompter.shown.isEmpty());
    QTRY_VERIFY(QFile::exists(program + QLatin1String(".ran")));
}

void tst_SysInfo::systemRegistryFindsSysInfo_data()
{
    QTest::addColumn<QString>("path"); // the MSINFO key's PATH value; empty: none
    QTest::addColumn<QString>("location"); // Shared Tools Location's MSINFO value
    QTest::addColumn<QString>("started"); // empty: nothing, the message instead
    const QString system32 = QStringLiteral(R"(C:\windows\system32)");
    QTest::newRow("PATH value") << system32 + QStringLiteral(R"(\msinfo32.exe)") << QString()
                                << system32 + QStringLiteral(R"(\msinfo32.exe)");
    QTest::newRow("folder of the shared tools")
        << QString() << system32 << system32 + QStringLiteral(R"(\MSINFO32.EXE)");
    QTest::newRow("shared tools folder without the program")
        << QString() << QStringLiteral(R"(C:\windows)") << QString();
}

// Through the real registry, whose values are written as an installed
// Windows has them.
void tst_SysInfo::systemRegistryFindsSysInfo()
{
    QFETCH(QString, path);
    QFETCH(QString, location);
    QFETCH(QString, started);
    const auto write = [](const QString &key, const QString &name, const QString &value) {
        QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
        if (value.isEmpty())
            settings.remove(name);
        else
            settings.setValue(name, value);
        settings.sync();
        return settings.status() == QSettings::NoError && settings.isWritable();
    };
#ifndef Q_OS_WIN
    Q_UNUSED(write)
    QSKIP("only Windows has a system registry");
#endif
    if (!write(pathKey, QStringLiteral("PATH"), path)
        || !write(locationKey, QStringLiteral("MSINFO"), location))
        QSKIP("the machine's registry cannot be written here");

    SysInfoServices services = SysInfoServices::system();
    QStringList startCalls;
    services.startProgram = [&](const QString &program) {
        startCalls.append(program);
        return true;
    };
    ScriptedPrompter prompter;
    StartSysInfo(services, prompter);
    // Other programs' tests must not start the tool through these values.
    QVERIFY(write(pathKey, QStringLiteral("PATH"), QString()));
    QVERIFY(write(locationKey, QStringLiteral("MSINFO"), QString()));
    QCOMPARE(startCalls, started.isEmpty() ? QStringList() : QStringList { started });
    QCOMPARE(prompter.texts(), started.isEmpty() ? QStringList { unavailable } : QStringList());
}

QTEST_GUILESS_MAIN(tst_SysInfo)
#include "tst_sysinfo.moc"
