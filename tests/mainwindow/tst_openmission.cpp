#include "atomicwrite.h"
#include "imagebox.h"
#include "mainwindowfixture.h"
#include "pagerecords.h"
#include "pagewriters.h"
#include "settingsfile.h"

#include <QAction>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

using Button = Prompter::Button;

class tst_OpenMission : public QObject, protected MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { destroyWindow(); }
    void opens_data();
    void opens();
    void boxesHoldWhatThePagesBring();
};

void tst_OpenMission::opens_data()
{
    QTest::addColumn<QByteArray>("briefing"); // null: no pages at all
    QTest::addColumn<Button>("answer"); // Ok: the window holds no unsaved texts
    QTest::addColumn<QString>("box"); // the start of the one box shown
    QTest::addColumn<bool>("opens");
    const QByteArray page = briefingPageBytes(fullRecord());
    const QString replace = "Replace the texts in the window with the mission in %1?";
    QTest::newRow("fresh window, by menu") << page << Button::Ok << "" << true;
    QTest::newRow("typed, replace, dropped") << page << Button::Yes << replace << true;
    QTest::newRow("typed, keep, by menu") << page << Button::No << replace << false;
    QTest::newRow("no pages, dropped")
        << QByteArray() << Button::Yes << "No mission pages in %1." << false;
    QTest::newRow("broken page, by menu")
        << QByteArray("<html>\r\n") << Button::Ok
        << "The mission in %1 cannot be opened:\n\nbriefing.html" << false;
}

void tst_OpenMission::opens()
{
    QFETCH(QByteArray, briefing);
    QFETCH(Button, answer);
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
    if (answer != Button::Ok) {
        find<QLineEdit>("txtMission")->setText("x");
        m_prompter.buttonAnswers.enqueue(answer);
    }
    find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    const MissionBrief before = m_window->brief();

    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(folder) });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QString start;
    m_window->setFolderChooser(
        [&](QWidget *, const QString &from) { return start = from, folder; });
    const bool dropped = QString(QTest::currentDataTag()).endsWith("dropped");
    if (dropped)
        QVERIFY(QApplication::sendEvent(find<QLineEdit>("txtMission"), &enter)
                && QApplication::sendEvent(find<QLineEdit>("txtMission"), &drop));
    else
        find<QAction>("mnuOpen")->trigger();
    QCoreApplication::processEvents();

    const QString shown = QString(box).replace("%1", QDir::toNativeSeparators(folder));
    QCOMPARE(m_prompter.texts().join("").left(shown.size()), shown);
    QVERIFY(box.isEmpty() || m_prompter.shown.last().title == "Open Mission");
    record.saveFolder = folder;
    QCOMPARE(m_window->brief(), opens ? record : before);
    QCOMPARE(readSettingsFile(ini).value, opens ? folder : QString());
    QCOMPARE(find<QTabWidget>("SSTab1")->currentIndex(), opens ? 0 : 1);
    QCOMPARE(!find<ImageBox>("imgPicPreview")->image().isNull(), opens);
    QVERIFY(!opens || m_window->focusWidget() == find<QLineEdit>("txtMission"));
    QCOMPARE(start, dropped ? QString() : before.saveFolder);
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

QTEST_MAIN(tst_OpenMission)
#include "tst_openmission.moc"
