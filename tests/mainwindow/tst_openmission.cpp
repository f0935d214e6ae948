#include "atomicwrite.h"
#include "draftstore.h"
#include "imagebox.h"
#include "mainwindowfixture.h"
#include "pagerecords.h"
#include "pagewriters.h"
#include "settingsfile.h"
#include "testfiles.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

class tst_OpenMission : public QObject, protected MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { destroyWindow(); }
    void opens_data();
    void opens();
    void boxesHoldWhatThePagesBring();
    void recentMissions_data();
    void recentMissions();
    void messagesAndDrops_data();
    void messagesAndDrops();
};

void tst_OpenMission::opens_data()
{
    QTest::addColumn<QByteArray>("briefing"); // null: no pages at all
    QTest::addColumn<bool>("typed"); // the window holds unwritten texts
    QTest::addColumn<QString>("box"); // the start of the one box shown
    QTest::addColumn<bool>("opens");
    const QByteArray page = briefingPageBytes(fullRecord());
    QTest::newRow("fresh window, by menu") << page << false << "" << true;
    QTest::newRow("typed, dropped") << page << true << "" << true;
    QTest::newRow("typed, by menu") << page << true << "" << true;
    QTest::newRow("no pages, by menu")
        << QByteArray() << true << "No mission pages in %1." << false;
    QTest::newRow("broken page, by menu")
        << QByteArray("<html>\r\n") << false
        << "The mission in %1 cannot be opened:\n\nbriefing.html" << false;
}

void tst_OpenMission::opens()
{
    QFETCH(QByteArray, briefing);
    QFETCH(bool, typed);
    QFETCH(QString, box);
    QFETCH(bool, opens);
    createWindow();
    const QString ini = m_folder->filePath("Varnholt.ini"), folder = m_folder->filePath("m");
    MissionBrief record = fullRecord();
    record.pictureSource = folder + "/raid.bmp";
    record.pictureWidth = "10000";
    QVERIFY(QDir().mkpath(folder) && writeFileAtomically(ini, {}).ok && m_window->load(ini, nullptr)
            && QImage(4, 4, QImage::Format_RGB32).save(record.pictureSource));
    if (!briefing.isNull())
        QVERIFY(writeFileAtomically(folder + "/overview.html", overviewPageBytes(record)).ok
                && writeFileAtomically(folder + "/briefing.html", briefing).ok);
    if (typed)
        find<QLineEdit>("txtMission")->setText("x");
    find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    const MissionBrief before = m_window->brief();

    QString start;
    m_window->setFolderChooser(
        [&](QWidget *, const QString &from) { return start = from, folder; });
    const bool dropped = QString(QTest::currentDataTag()).endsWith("dropped");
    if (dropped)
        QVERIFY(dropFile(find<QLineEdit>("txtMission"), folder));
    else
        find<QAction>("mnuOpen")->trigger();

    const QString shown = QString(box).replace("%1", QDir::toNativeSeparators(folder));
    QCOMPARE(m_prompter.texts().join("").left(shown.size()), shown);
    QVERIFY(box.isEmpty() || m_prompter.shown.last().title == "Open Mission");
    // The folder lists, and so the save folder and the settings file, hold native paths.
    record.saveFolder = QDir::toNativeSeparators(folder);
    QCOMPARE(m_window->brief(), opens ? record : before);
    QCOMPARE(readSettingsFile(ini).value, opens ? record.saveFolder : QString());
    QCOMPARE(find<QTabWidget>("SSTab1")->currentIndex(), opens ? 0 : 1);
    QCOMPARE(!find<ImageBox>("imgPicPreview")->image().isNull(), opens);
    QVERIFY(!opens || m_window->focusWidget() == find<QLineEdit>("txtMission"));
    QVERIFY(!opens
            || (find<FileList>("File1")->fileName() == "raid.bmp"
                && find<FolderList>("Dir2")->path() == QDir::toNativeSeparators(folder)));
    QCOMPARE(start, dropped ? QString() : before.saveFolder);
    // Texts replaced by a mission are kept as a draft, without a question.
    const QList<Draft> drafts = m_drafts->drafts();
    QCOMPARE(drafts.size(), typed && opens ? 1 : 0);
    QVERIFY(drafts.isEmpty() || drafts.first().brief == before);
}

// Pages opened and written again give the same bytes: line breaks in
// one-line boxes, fields past a line box's default 32,767 characters, typed
// references to separators in a multi-line box.
void tst_OpenMission::boxesHoldWhatThePagesBring()
{
    MissionBrief record = startRecord();
    record.missionName = QString(40000, 'x') + "\r\nRaid";
    record.objectives = { "a\r\nb", QString(40000, 'y') };
    record.objectiveCount = "2";
    record.endings[0] = { "\r\nEnd", "Good\r" };
    record.briefingText = "&#8232;a&#64976;\r\n&#8233;";
    createWindow();
    const QString ini = m_folder->filePath("Varnholt.ini"), folder = m_folder->filePath("m");
    QVERIFY(QDir().mkpath(folder) && writeFileAtomically(ini, {}).ok && m_window->load(ini, nullptr)
            && writeFileAtomically(folder + "/overview.html", overviewPageBytes(record)).ok
            && writeFileAtomically(folder + "/briefing.html", briefingPageBytes(record)).ok);
    m_window->setFolderChooser([&](QWidget *, const QString &) { return folder; });
    find<QAction>("mnuOpen")->trigger();
    QVERIFY2(m_prompter.shown.isEmpty(), qPrintable(m_prompter.texts().join("")));
    QCOMPARE(overviewPageBytes(m_window->brief()), overviewPageBytes(record));
    QCOMPARE(briefingPageBytes(m_window->brief()), briefingPageBytes(record));
}

// Folders: m (both pages), half (overview only), bad (a broken overview), empty, pics.
void tst_OpenMission::messagesAndDrops_data()
{
    QTest::addColumn<QString>("path"); // in the temporary folder %1
    QTest::addColumn<QString>("box"); // empty: none; for a drop, "-": refused
    const QString none, refused = "-";
    QTest::newRow("page, by menu") << "m/briefing.html" << none;
    QTest::newRow("gone, by menu") << "gone"
                                   << "The folder %1/gone does not exist.";
    QTest::newRow("no page, by menu") << "m/notes.txt"
                                      << "notes.txt is not a mission page. Open overview.html, "
                                         "briefing.html or the folder that holds them.";
    QTest::newRow("broken, by menu") << "bad"
                                     << "The mission in %1/bad cannot be opened:\n\noverview.html, "
                                        "line 1: expected <html>, found <!DOCTYPE html>"
            + QString(45, 'x');
    QTest::newRow("one page, by menu") << "half"
                                       << "briefing.html was not found in %1/half: the briefing's "
                                          "fields have their starting values.";
    QTest::newRow("no pages, dropped") << "empty" << refused;
    QTest::newRow("no page, dropped") << "m/notes.txt" << refused;
    QTest::newRow("picture, dropped") << "pics/raid.bmp" << none;
}

void tst_OpenMission::messagesAndDrops()
{
    QFETCH(QString, path);
    QFETCH(QString, box);
    createWindow();
    const QDir dir(m_folder->path());
    const QByteArray ov = overviewPageBytes(fullRecord());
    for (const auto &[name, bytes] : std::initializer_list<std::pair<QString, QByteArray>> {
             { "m/overview.html", ov },
             { "m/briefing.html", briefingPageBytes(fullRecord()) },
             { "m/notes.txt", "x" },
             { "half/overview.html", ov },
             { "bad/overview.html", "<!DOCTYPE html>" + QByteArray(99, 'x') + "\r\n" + ov } })
        QVERIFY(dir.mkpath(QFileInfo(name).path()) && writeFile(dir.filePath(name), bytes));
    QVERIFY(dir.mkpath("empty") && dir.mkpath("pics")
            && QImage(4, 6, QImage::Format_RGB32).save(dir.filePath("pics/raid.bmp")));
    MissionBrief expected = m_window->brief();
    const QString file = dir.filePath(path);
    m_window->setFolderChooser([&](QWidget *, const QString &) { return file; });
    if (QString(QTest::currentDataTag()).endsWith("dropped"))
        QCOMPARE(dropFile(find<QAbstractScrollArea>("txtBriefing")->viewport(), file), box != "-");
    else
        find<QAction>("mnuOpen")->trigger();

    const bool notice = box.contains("was not found"), shown = box.size() > 1;
    QCOMPARE(m_prompter.texts().join(""),
             shown ? QDir::toNativeSeparators(box.replace("%1", dir.path())) : QString());
    QCOMPARE(m_prompter.shown.value(0).icon,
             notice      ? Prompter::Icon::Information
                 : shown ? Prompter::Icon::Warning
                         : Prompter::Icon::None);
    if (path.endsWith(".bmp")) {
        expected.pictureSource = QDir::toNativeSeparators(file);
        expected.pictureWidth = "4", expected.pictureHeight = "6";
        QCOMPARE(find<FileList>("File1")->fileName(), "raid.bmp");
    }
    const bool opens = notice || (box.isEmpty() && !path.endsWith(".bmp"));
    const QFileInfo mission(QFileInfo(file).isDir() ? file : QFileInfo(file).path());
    QCOMPARE(m_window->brief().saveFolder,
             opens ? QDir::toNativeSeparators(mission.filePath()) : expected.saveFolder);
    QVERIFY(opens || m_window->brief() == expected);
}

// Open Recent lists the missions opened or written, newest first.
void tst_OpenMission::recentMissions_data()
{
    // Missions opened in turn; "+x" writes x with Create Files, "-x" opens x
    // from the list after its pages are gone, "clear" clears the list. After
    // the "=", the missions listed.
    QTest::addColumn<QString>("steps");
    QTest::newRow("opened and written, newest first") << "a +b a c = c a b";
    QTest::newRow("eight kept") << "a b c d e f g h i j = j i h g f e d c";
    QTest::newRow("a mission without pages leaves") << "a b -a = b";
    QTest::newRow("cleared") << "a b clear =";
}

void tst_OpenMission::recentMissions()
{
    QFETCH(QString, steps);
    const QString listed = steps.section('=', 1);
    createWindow();
    auto *menu = find<QMenu>("mnuRecent");
    const auto entry = [menu](const QString &text) {
        Q_EMIT menu->aboutToShow();
        const auto actions = menu->actions();
        for (QAction *action : actions)
            if (action->text().contains(text))
                return action;
        return static_cast<QAction *>(nullptr);
    };
    for (const QString &step : steps.section('=', 0, 0).split(' ', Qt::SkipEmptyParts)) {
        const QString folder = m_folder->filePath(step.right(1));
        MissionBrief record = startRecord();
        record.saveFolder = QDir::toNativeSeparators(folder);
        QVERIFY(QDir().mkpath(folder));
        if (step == "clear") {
            entry("&Clear List")->trigger();
        } else if (step.startsWith('-')) {
            QVERIFY(QFile::remove(folder + "/overview.html"));
            entry(record.saveFolder)->trigger();
            QCOMPARE(m_prompter.texts().last(), "No mission pages in " + record.saveFolder + ".");
        } else if (step.startsWith('+')) {
            m_window->setBrief(record);
            m_prompter.buttonAnswers.enqueue(Prompter::Button::Yes); // no objectives
            find<QPushButton>("cmdMake")->click();
        } else {
            QVERIFY(writeFileAtomically(folder + "/overview.html", overviewPageBytes(record)).ok);
            m_window->openMission(folder);
        }
    }
    Q_EMIT menu->aboutToShow();
    QStringList shown, expected;
    for (const QAction *action : menu->actions())
        shown << action->text();
    const QStringList names = listed.split(' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < names.size(); ++i)
        expected << QString("&%1 %2   %3")
                        .arg(i + 1)
                        .arg(names.at(i),
                             QDir::toNativeSeparators(m_folder->filePath(names.at(i))));
    expected += { QString(), "&Clear List" };
    QCOMPARE(shown, expected);
    QCOMPARE(entry("&Clear List")->isEnabled(), !names.isEmpty());
}

QTEST_MAIN(tst_OpenMission)
#include "tst_openmission.moc"
