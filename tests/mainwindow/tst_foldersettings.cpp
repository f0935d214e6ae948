#include "drivelist.h"
#include "folderlist.h"
#include "foldersettings.h"
#include "scriptedprompter.h"
#include "settingsfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestFolderSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void loadPointsListsAtRememberedFolder_data();
    void loadPointsListsAtRememberedFolder();
    void loadRefusesUnreadableFile_data();
    void loadRefusesUnreadableFile();
    void pressWritesCurrentFolder_data();
    void pressWritesCurrentFolder();
    void openingWritesNothingUntilNextPress();
    void folderTheFileCannotHoldIsNotRemembered_data();
    void folderTheFileCannotHoldIsNotRemembered();
    void failedWriteIsReportedAndListStaysUsable_data();
    void failedWriteIsReportedAndListStaysUsable();
    void driveChangeMovesBothLists();
    void driveNotReadyLeavesListsAlone();

private:
    void pressOn(const QString &entry, Qt::MouseButton button = Qt::LeftButton);
    void openEntry(const QString &entry);

    QTemporaryDir m_tmp;
    QString m_work;
    QString m_mission;
    QString m_ini;
    std::unique_ptr<QWidget> m_window;
    DriveList *m_drive1 = nullptr;
    FolderList *m_dir1 = nullptr;
    FolderList *m_dir2 = nullptr;
    QLineEdit *m_txtDirectory = nullptr;
    QLineEdit *m_text1 = nullptr;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<FolderSettings> m_folders;
};

void TestFolderSettings::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    const QString base = QDir(m_tmp.path()).canonicalPath();
    m_work = base + QStringLiteral("/work");
    m_mission = base + QStringLiteral("/missions/Alpha, Bravo");
    QVERIFY(QDir().mkpath(m_work));
    QVERIFY(QDir().mkpath(m_mission + QStringLiteral("/sub")));
    QVERIFY(QDir::setCurrent(m_work));
    m_ini = base + QStringLiteral("/Varnholt.ini");
}

void TestFolderSettings::init()
{
    m_window = std::make_unique<QWidget>();
    m_drive1 = new DriveList(m_window.get());
    m_dir1 = new FolderList(m_window.get());
    m_dir2 = new FolderList(m_window.get());
    m_txtDirectory = new QLineEdit(m_window.get());
    m_text1 = new QLineEdit(m_window.get());
    m_dir1->setGeometry(0, 40, 300, 300);
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_folders = std::make_unique<FolderSettings>(
        FolderSettings::Controls { m_drive1, m_dir1, m_dir2, m_txtDirectory, m_text1 }, *m_prompter,
        m_ini);
    m_window->resize(320, 360);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestFolderSettings::cleanup()
{
    m_folders.reset();
    m_window.reset();
    m_prompter.reset();
    QFile::remove(m_ini);
}

void TestFolderSettings::pressOn(const QString &entry, Qt::MouseButton button)
{
    const QList<QListWidgetItem *> items = m_dir1->findItems(entry, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(m_dir1->viewport(), button, {},
                      m_dir1->visualItemRect(items.last()).center());
}

void TestFolderSettings::openEntry(const QString &entry)
{
    const QList<QListWidgetItem *> items = m_dir1->findItems(entry, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    // A real double-click is a press and release, then the double-click event.
    QTest::mouseClick(m_dir1->viewport(), Qt::LeftButton, {},
                      m_dir1->visualItemRect(items.last()).center());
    QTest::mouseDClick(m_dir1->viewport(), Qt::LeftButton, {},
                       m_dir1->visualItemRect(items.last()).center());
}

void TestFolderSettings::loadPointsListsAtRememberedFolder_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("atMission");
    const QByteArray mission = QFile::encodeName(m_mission);
    QTest::newRow("good file") << QByteArray('"' + mission + "\"\r\n") << true;
    QTest::newRow("two lines, the last counts")
        << QByteArray('"' + QFile::encodeName(m_work) + "\"\r\n\"" + mission + "\"\r\n") << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("deleted folder") << QByteArray("\"" + mission + "/gone\"\r\n") << false;
    QTest::newRow("garbage") << QByteArray("\x01\xff\"\0,\r", 6) << false;
}

void TestFolderSettings::loadPointsListsAtRememberedFolder()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, atMission);
    writeBytes(m_ini, content);
    QString error;
    QVERIFY2(m_folders->load(&error), qPrintable(error));
    const QString expected = QDir::toNativeSeparators(atMission ? m_mission : m_work);
    QCOMPARE(m_dir1->path(), expected);
    QCOMPARE(m_dir2->path(), expected);
    QCOMPARE(m_txtDirectory->text(), expected);
    QCOMPARE(m_text1->text(), expected);
    // Start-up only reads the file.
    QCOMPARE(fileBytes(m_ini), content);
    QVERIFY(m_prompter->shown.isEmpty());
}

void TestFolderSettings::loadRefusesUnreadableFile_data()
{
    QTest::addColumn<bool>("folderInPlace");
    QTest::newRow("missing file") << false;
    QTest::newRow("folder in its place") << true;
}

void TestFolderSettings::loadRefusesUnreadableFile()
{
    QFETCH(bool, folderInPlace);
    if (folderInPlace)
        QVERIFY(QDir().mkpath(m_ini));
    QString error;
    QVERIFY(!m_folders->load(&error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(m_ini)), qPrintable(error));
    QVERIFY(m_txtDirectory->text().isEmpty());
    if (folderInPlace)
        QVERIFY(QDir().rmdir(m_ini));
}

void TestFolderSettings::pressWritesCurrentFolder_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left button") << Qt::LeftButton;
    QTest::newRow("right button") << Qt::RightButton;
    QTest::newRow("middle button") << Qt::MiddleButton;
}

void TestFolderSettings::pressWritesCurrentFolder()
{
    QFETCH(Qt::MouseButton, button);
    writeBytes(m_ini, "\"/somewhere/else\"\r\n\"" + QFile::encodeName(m_mission) + "\"\r\n");
    QString error;
    QVERIFY(m_folders->load(&error));
    m_txtDirectory->setText(QStringLiteral("typed by the user"));

    pressOn(QStringLiteral("sub"), button);
    const QString folder = QDir::toNativeSeparators(m_mission);
    QCOMPARE(fileBytes(m_ini), settingsFileBytes(folder));
    QCOMPARE(fileBytes(m_ini), QByteArray('"' + QFile::encodeName(folder) + "\"\r\n"));
    QCOMPARE(m_txtDirectory->text(), folder);
    QCOMPARE(m_dir1->path(), folder);
    QVERIFY(m_prompter->shown.isEmpty());
}

void TestFolderSettings::openingWritesNothingUntilNextPress()
{
    writeBytes(m_ini, "\"" + QFile::encodeName(m_mission) + "\"\r\n");
    QString error;
    QVERIFY(m_folders->load(&error));
    const QByteArray before = settingsFileBytes(QDir::toNativeSeparators(m_mission));

    openEntry(QStringLiteral("sub"));
    const QString sub = QDir::toNativeSeparators(m_mission + QStringLiteral("/sub"));
    QCOMPARE(m_dir1->path(), sub);
    // The double-click's press wrote the folder that was current before it.
    QCOMPARE(fileBytes(m_ini), before);
    QCOMPARE(m_txtDirectory->text(), QDir::toNativeSeparators(m_mission));

    pressOn(QStringLiteral("sub"));
    QCOMPARE(fileBytes(m_ini), settingsFileBytes(sub));
    QCOMPARE(m_txtDirectory->text(), sub);
}

void TestFolderSettings::folderTheFileCannotHoldIsNotRemembered_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
    QTest::newRow("quote and line break") << QStringLiteral("a\"\r\n\"b");
}

void TestFolderSettings::folderTheFileCannotHoldIsNotRemembered()
{
#ifdef Q_OS_WIN
    QSKIP("Windows folder names cannot hold a double quote or a line break");
#endif
    QFETCH(QString, name);
    const QString folder = m_mission + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub")));
    const QByteArray before = settingsFileBytes(m_mission);
    writeBytes(m_ini, before);
    QVERIFY(m_dir1->setPath(folder));

    pressOn(QStringLiteral("sub"));
    QCOMPARE(fileBytes(m_ini), before);
    QCOMPARE(m_prompter->shown.size(), 1);
    QVERIFY(m_prompter->shown[0].text.contains(QStringLiteral("double quote or a line break")));
    QCOMPARE(m_txtDirectory->text(), QDir::toNativeSeparators(folder));
}

void TestFolderSettings::failedWriteIsReportedAndListStaysUsable_data()
{
    QTest::addColumn<QString>("iniPath");
    const QString base = QDir(m_tmp.path()).canonicalPath();
    QTest::newRow("settings folder missing") << base + QStringLiteral("/gone/Varnholt.ini");
    QTest::newRow("path through a regular file") << base + QStringLiteral("/plain/Varnholt.ini");
    QTest::newRow("folder in place of the file") << base + QStringLiteral("/taken");
}

void TestFolderSettings::failedWriteIsReportedAndListStaysUsable()
{
    QFETCH(QString, iniPath);
    const QString base = QDir(m_tmp.path()).canonicalPath();
    writeBytes(base + QStringLiteral("/plain"), "x");
    QVERIFY(QDir().mkpath(base + QStringLiteral("/taken")));

    FolderSettings folders({ m_drive1, m_dir1, m_dir2, m_txtDirectory, m_text1 }, *m_prompter,
                           iniPath);
    QVERIFY(m_dir1->setPath(m_mission));
    pressOn(QStringLiteral("sub"));

    // Both the fixture's wiring and this one react; each reports its own file.
    const QString native = QDir::toNativeSeparators(iniPath);
    bool reported = false;
    for (const ScriptedPrompter::Shown &box : std::as_const(m_prompter->shown)) {
        if (!box.text.contains(native))
            continue;
        reported = true;
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.icon, Prompter::Icon::Critical);
        QCOMPARE(box.buttons, Prompter::Buttons::Ok);
    }
    QVERIFY2(reported, qPrintable(m_prompter->texts().join(QLatin1Char('\n'))));
    QCOMPARE(m_txtDirectory->text(), QDir::toNativeSeparators(m_mission));
    QVERIFY(!QFileInfo(iniPath).isFile());

    // Still usable: the list opens folders and follows the next press.
    openEntry(QStringLiteral("sub"));
    QCOMPARE(m_dir1->path(), QDir::toNativeSeparators(m_mission + QStringLiteral("/sub")));
    pressOn(QStringLiteral("sub"));
    QCOMPARE(m_txtDirectory->text(), QDir::toNativeSeparators(m_mission + QStringLiteral("/sub")));
}

void TestFolderSettings::driveChangeMovesBothLists()
{
    const QString other = QDir(m_tmp.path()).canonicalPath() + QStringLiteral("/missions");
    m_drive1->setDrives({ rootDrive(), other });
    QVERIFY(m_drive1->setDrive(rootDrive()));
    writeBytes(m_ini, "\"" + QFile::encodeName(m_work) + "\"\r\n");
    QString error;
    QVERIFY(m_folders->load(&error));
    const QByteArray before = fileBytes(m_ini);

    m_drive1->setFocus();
    QTest::keyClick(m_drive1, Qt::Key_Down);
    QCOMPARE(m_drive1->drive(), other);
    QCOMPARE(m_dir1->path(), QDir::toNativeSeparators(other));
    QCOMPARE(m_dir2->path(), QDir::toNativeSeparators(other));
    QCOMPARE(m_txtDirectory->text(), QDir::toNativeSeparators(m_work));
    QCOMPARE(m_text1->text(), QDir::toNativeSeparators(m_work));
    QCOMPARE(fileBytes(m_ini), before);
    QVERIFY(m_prompter->shown.isEmpty());
}

void TestFolderSettings::driveNotReadyLeavesListsAlone()
{
    const QString absent = QDir(m_tmp.path()).canonicalPath() + QStringLiteral("/ejected");
    m_drive1->setDrives({ rootDrive(), absent });
    QVERIFY(m_drive1->setDrive(rootDrive()));
    FolderSettings folders({ m_drive1, m_dir1, m_dir2, m_txtDirectory, m_text1 }, *m_prompter,
                           m_ini);
    QVERIFY(m_dir1->setPath(m_mission));
    QVERIFY(m_dir2->setPath(m_mission));

    m_drive1->setFocus();
    QTest::keyClick(m_drive1, Qt::Key_Down);
    QVERIFY(!m_prompter->shown.isEmpty());
    QCOMPARE(m_prompter->shown.first().title, QStringLiteral("Error"));
    QVERIFY(m_prompter->shown.first().text.contains(QDir::toNativeSeparators(absent)));
    QCOMPARE(m_dir1->path(), QDir::toNativeSeparators(m_mission));
    QCOMPARE(m_dir2->path(), QDir::toNativeSeparators(m_mission));
    QCOMPARE(m_drive1->drive(), rootDrive());
}

QTEST_MAIN(TestFolderSettings)
#include "tst_foldersettings.moc"
