#include "drivelist.h"
#include "filelist.h"
#include "folderlist.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

QListWidgetItem *itemNamed(QListWidget &list, const QString &text)
{
    const QList<QListWidgetItem *> found = list.findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.last();
}

QStringList texts(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out.append(list.item(i)->text());
    return out;
}

} // namespace

class TestFolderLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    // Before any other test makes a drive list.
    void firstDriveListTakesDrivesReadAhead();
    void folderListShowsChainThenSubfolders();
    void setPathRefusesNonFolders_data();
    void setPathRefusesNonFolders();
    void onlyOpeningChangesFolder_data();
    void onlyOpeningChangesFolder();
    void mousePressedSeesFolderBeforeChange();
    void openingVanishedFolderKeepsFolder();
    void patternMatchesAnyCase_data();
    void patternMatchesAnyCase();
    void fileListShowsMatchingFiles();
    void fileClickSelects();
    void driveChangedOnlyOnUserPick();
    void listsTheMachinesDrives();
    void listsStartAtTheWorkingFolder_data();
    void listsStartAtTheWorkingFolder();

private:
    QTemporaryDir m_tmp;
    QString m_root;
};

void TestFolderLists::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_root = QDir(m_tmp.path()).canonicalPath() + QStringLiteral("/top");
    for (const char *sub : { "b", "A", "c/deeper" })
        QVERIFY(QDir().mkpath(m_root + QLatin1Char('/') + QLatin1String(sub)));
    for (const char *name : { "one.BMP", "two.gif", "three.JpEg", "four.jpg", "five.png",
                              "six.bmpx", "seven.jpeg", ".hidden.gif" }) {
        QFile f(m_root + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
}

void TestFolderLists::firstDriveListTakesDrivesReadAhead()
{
    const std::unique_ptr<QThread> ahead(QThread::create(&DriveList::readDrivesAhead));
    ahead->start();
    ahead->wait();
    const DriveList first;
    const DriveList readItself;
    QVERIFY(readItself.count() > 0);
    QCOMPARE(first.count(), readItself.count());
    for (int i = 0; i < first.count(); ++i)
        QCOMPARE(first.itemText(i), readItself.itemText(i));
    QCOMPARE(first.drive(), readItself.drive());
}

void TestFolderLists::folderListShowsChainThenSubfolders()
{
    FolderList list;
    QVERIFY(list.setPath(m_root));
    QCOMPARE(list.path(), QDir::toNativeSeparators(m_root));
    const QStringList shown = texts(list);
    // Root first, the current folder, then its subfolders in name order, any case.
    QCOMPARE(shown.first(), QDir::toNativeSeparators(QDir::rootPath()));
    QCOMPARE(shown.mid(shown.size() - 4),
             (QStringList { QStringLiteral("top"), QStringLiteral("A"), QStringLiteral("b"),
                            QStringLiteral("c") }));
    QCOMPARE(list.currentItem()->text(), QStringLiteral("top"));
}

void TestFolderLists::setPathRefusesNonFolders_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << QStringLiteral("/top/none");
    QTest::newRow("regular file") << QStringLiteral("/top/one.BMP");
    QTest::newRow("empty text") << QString();
}

void TestFolderLists::setPathRefusesNonFolders()
{
    QFETCH(QString, target);
    FolderList list;
    QVERIFY(list.setPath(m_root + QStringLiteral("/b")));
    QSignalSpy changed(&list, &FolderList::changed);
    const QString full = target.isEmpty() ? target : m_tmp.path() + target;
    QVERIFY(!list.setPath(full));
    QCOMPARE(list.path(), QDir::toNativeSeparators(m_root + QStringLiteral("/b")));
    QCOMPARE(changed.count(), 0);
}

void TestFolderLists::onlyOpeningChangesFolder_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("opens");
    QTest::newRow("double-click opens") << QStringLiteral("dclick") << true;
    QTest::newRow("Enter opens") << QStringLiteral("enter") << true;
    QTest::newRow("Return opens") << QStringLiteral("return") << true;
    QTest::newRow("single click does not") << QStringLiteral("click") << false;
    QTest::newRow("right press does not") << QStringLiteral("right") << false;
    QTest::newRow("arrow key does not") << QStringLiteral("down") << false;
}

void TestFolderLists::onlyOpeningChangesFolder()
{
    QFETCH(QString, action);
    QFETCH(bool, opens);
    FolderList list;
    list.resize(300, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(list.setPath(m_root));
    QSignalSpy changed(&list, &FolderList::changed);

    QListWidgetItem *target = itemNamed(
        list, action == QLatin1String("down") ? QStringLiteral("top") : QStringLiteral("b"));
    QVERIFY(target);
    const QPoint at = list.visualItemRect(target).center();
    if (action == QLatin1String("dclick")) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    } else if (action == QLatin1String("click")) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    } else if (action == QLatin1String("right")) {
        QTest::mouseClick(list.viewport(), Qt::RightButton, {}, at);
    } else {
        list.setCurrentItem(target);
        const Qt::Key key = action == QLatin1String("enter") ? Qt::Key_Enter
            : action == QLatin1String("return")              ? Qt::Key_Return
                                                             : Qt::Key_Down;
        QTest::keyClick(&list, key);
    }

    const QString opened = QDir::toNativeSeparators(m_root + QStringLiteral("/b"));
    const QString expected = opens ? opened : QDir::toNativeSeparators(m_root);
    QCOMPARE(list.path(), expected);
    QCOMPARE(changed.count(), opens ? 1 : 0);
    if (opens) {
        QCOMPARE(changed.first().first().toString(), opened);
        QCOMPARE(list.currentItem()->text(), QStringLiteral("b"));
    }
}

void TestFolderLists::mousePressedSeesFolderBeforeChange()
{
    FolderList list;
    list.resize(300, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(list.setPath(m_root));
    QStringList seen;
    connect(&list, &FolderList::mousePressed, &list, [&] { seen.append(list.path()); });

    const QPoint at = list.visualItemRect(itemNamed(list, QStringLiteral("c"))).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);

    QCOMPARE(list.path(), QDir::toNativeSeparators(m_root + QStringLiteral("/c")));
    QVERIFY(seen.size() >= 1);
    for (const QString &path : std::as_const(seen))
        QCOMPARE(path, QDir::toNativeSeparators(m_root));
}

void TestFolderLists::openingVanishedFolderKeepsFolder()
{
    const QString doomed = m_root + QStringLiteral("/doomed");
    QVERIFY(QDir().mkpath(doomed));
    FolderList list;
    QVERIFY(list.setPath(m_root));
    QListWidgetItem *item = itemNamed(list, QStringLiteral("doomed"));
    QVERIFY(item);
    QVERIFY(QDir(doomed).removeRecursively());
    list.setCurrentItem(item);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(list.path(), QDir::toNativeSeparators(m_root));
    QVERIFY(!itemNamed(list, QStringLiteral("doomed")));
}

void TestFolderLists::patternMatchesAnyCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    const QString pictures = QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg");
    QTest::newRow("upper-case extension") << QStringLiteral("ONE.BMP") << pictures << true;
    QTest::newRow("mixed-case extension") << QStringLiteral("a.JpEg") << pictures << true;
    QTest::newRow("last glob") << QStringLiteral("a.jpeg") << pictures << true;
    QTest::newRow("other extension") << QStringLiteral("a.png") << pictures << false;
    QTest::newRow("extension only as a prefix") << QStringLiteral("a.bmpx") << pictures << false;
    QTest::newRow("extension inside the name") << QStringLiteral("a.gif.txt") << pictures << false;
    QTest::newRow("spaces around globs")
        << QStringLiteral("a.gif") << QStringLiteral(" *.bmp ; *.gif ") << true;
    QTest::newRow("star dot star takes names without dot")
        << QStringLiteral("README") << QStringLiteral("*.*") << true;
    QTest::newRow("question mark is one character")
        << QStringLiteral("ab.gif") << QStringLiteral("?.gif") << false;
    QTest::newRow("empty pattern matches nothing") << QStringLiteral("a.gif") << QString() << false;
}

void TestFolderLists::patternMatchesAnyCase()
{
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(filePatternExpression(pattern).match(name).hasMatch(), matches);
}

void TestFolderLists::fileListShowsMatchingFiles()
{
    FileList list;
    list.setPattern(QStringLiteral("*.bmp;*.gif;*.jpg;*.jpeg"));
    list.setPath(m_root);
    QCOMPARE(list.path(), m_root);
    QCOMPARE(texts(list),
             (QStringList { QStringLiteral("four.jpg"), QStringLiteral("one.BMP"),
                            QStringLiteral("seven.jpeg"), QStringLiteral("three.JpEg"),
                            QStringLiteral("two.gif") }));
    list.setPath(m_root + QStringLiteral("/b"));
    QCOMPARE(list.count(), 0);
}

void TestFolderLists::fileClickSelects()
{
    FileList list;
    list.setPattern(QStringLiteral("*.gif;*.bmp"));
    list.setPath(m_root);
    list.resize(200, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(list.fileName().isEmpty());
    QSignalSpy clicked(&list, &FileList::fileClicked);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(itemNamed(list, QStringLiteral("two.gif"))).center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toString(), QStringLiteral("two.gif"));
    QCOMPARE(list.fileName(), QStringLiteral("two.gif"));
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(list.fileName(), QStringLiteral("one.BMP"));
}

void TestFolderLists::driveChangedOnlyOnUserPick()
{
    DriveList drives;
    drives.setDrives({ rootDrive(), m_root });
    QSignalSpy changed(&drives, &DriveList::driveChanged);
    QVERIFY(drives.setDrive(rootDrive()));
    QVERIFY(!drives.setDrive(QStringLiteral("/not/a/listed/drive")));
    QCOMPARE(drives.drive(), rootDrive());
    QCOMPARE(changed.count(), 0);

    drives.show();
    QVERIFY(QTest::qWaitForWindowExposed(&drives));
    QTest::keyClick(&drives, Qt::Key_Down);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), m_root);
    QCOMPARE(drives.drive(), m_root);
}

// The real volumes: drive letters with a backslash on Windows ("C:\\"), the
// mount points elsewhere; the working folder's drive is the one shown.
void TestFolderLists::listsTheMachinesDrives()
{
    DriveList drives;
    QStringList items;
    for (int i = 0; i < drives.count(); ++i)
        items.append(drives.itemText(i));
    QVERIFY2(items.contains(QDir::toNativeSeparators(QDir::rootPath())),
             qPrintable(items.join(' ')));
    QCOMPARE(drives.drive(),
             QDir::toNativeSeparators(QStorageInfo(QDir::currentPath()).rootPath()));
    QVERIFY(items.contains(drives.drive()));
}

// Both lists start at the working folder but read it only once shown or
// pointed at it: at start-up the settings file names another folder first.
void TestFolderLists::listsStartAtTheWorkingFolder_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("once shown") << true;
    QTest::newRow("given the working folder") << false;
}

void TestFolderLists::listsStartAtTheWorkingFolder()
{
    QFETCH(bool, shown);
    const QString before = QDir::currentPath();
    const auto restore = qScopeGuard([&before] { QDir::setCurrent(before); });
    QVERIFY(QDir::setCurrent(m_root));
    QWidget window;
    auto *folders = new FolderList(&window);
    auto *files = new FileList(&window);
    files->setPattern(QStringLiteral("*.gif"));
    if (shown) {
        window.show();
    } else {
        QVERIFY(folders->setPath(m_root));
        files->setPath(QDir::toNativeSeparators(m_root));
    }
    QCOMPARE(texts(*folders).mid(texts(*folders).size() - 4),
             (QStringList { QStringLiteral("top"), QStringLiteral("A"), QStringLiteral("b"),
                            QStringLiteral("c") }));
    QCOMPARE(texts(*files), QStringList { QStringLiteral("two.gif") });
}

QTEST_MAIN(TestFolderLists)
#include "tst_folderlists.moc"
