#include "frmrecover.h"
#include "mainwindowfixture.h"
#include "pagerecords.h"
#include "testfiles.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>

// Texts typed in one session come back in the next through Recover Texts.
class tst_RecoverTexts : public QObject, protected MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { destroyWindow(); }
    void recovers_data();
    void recovers();
};

void tst_RecoverTexts::recovers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("draftsLeft");
    QTest::newRow("recover") << "cmdRecover" << 1;
    QTest::newRow("recover, then create files") << "cmdRecover" << 0;
    QTest::newRow("delete") << "cmdDelete" << 0;
    QTest::newRow("close") << "cmdClose" << 1;
}

void tst_RecoverTexts::recovers()
{
    QFETCH(QString, button);
    QFETCH(int, draftsLeft);
    createWindow();
    const QString ini = m_folder->filePath("Varnholt.ini");
    const QByteArray iniBytes = "\"" + m_folder->path().toUtf8() + "\"\r\n";
    QVERIFY(writeFile(ini, iniBytes) && m_window->load(ini, nullptr));
    const MissionBrief start = m_window->brief();
    Q_EMIT find<QMenu>("mnuFile")->aboutToShow();
    QVERIFY(!find<QAction>("mnuRecover")->isEnabled());

    MissionBrief typed = fullRecord();
    typed.pictureWidth = "170"; // so Create Files writes
    typed.saveFolder = m_folder->filePath("raid");
    QVERIFY(QDir().mkpath(typed.saveFolder));
    m_window->setBrief(typed);
    QTest::keyClicks(find<QLineEdit>("txtMission"), " at night");
    typed.missionName += " at night";
    QVERIFY(m_drafts->drafts().isEmpty()); // never at a change, only at a pause or exit
    m_window->close();

    makeWindow();
    QVERIFY(m_window->load(ini, nullptr));
    Q_EMIT find<QMenu>("mnuFile")->aboutToShow();
    find<QAction>("mnuRecover")->trigger();
    auto *window = m_window->findChild<frmRecover *>();
    auto *list = control<QListWidget>(window, "lstDrafts");
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().startsWith(typed.missionName + "\n"
                                             + QDir::toNativeSeparators(typed.saveFolder)));
    QTest::mouseClick(control<QPushButton>(window, button.toLatin1()), Qt::LeftButton);
    QCOMPARE(window->isHidden(), button != "cmdDelete");
    QCOMPARE(m_window->brief(), button == "cmdRecover" ? typed : start);
    QCOMPARE(readFile(ini), iniBytes); // the save folder comes back, the settings file stays
    if (QByteArray(QTest::currentDataTag()).endsWith("files"))
        find<QPushButton>("cmdMake")->click();
    QCOMPARE(m_drafts->drafts().size(), draftsLeft);
}

QTEST_MAIN(tst_RecoverTexts)
#include "tst_recovertexts.moc"
