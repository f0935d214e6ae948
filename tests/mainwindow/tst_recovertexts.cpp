#include "draftstore.h"
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

private:
    frmRecover *openRecover(DraftStore &drafts)
    {
        m_window->setDraftStore(&drafts);
        Q_EMIT find<QMenu>("mnuFile")->aboutToShow();
        auto *command = find<QAction>("mnuRecover");
        if (!command->isEnabled())
            return nullptr;
        command->trigger();
        return m_window->findChild<frmRecover *>();
    }
};

void tst_RecoverTexts::recovers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("recovered");
    QTest::addColumn<int>("draftsLeft");
    QTest::newRow("recover") << "cmdRecover" << true << 1;
    QTest::newRow("recover, then create files") << "cmdRecover" << true << 0;
    QTest::newRow("delete") << "cmdDelete" << false << 0;
    QTest::newRow("close") << "cmdClose" << false << 1;
}

void tst_RecoverTexts::recovers()
{
    QFETCH(QString, button);
    QFETCH(bool, recovered);
    QFETCH(int, draftsLeft);
    createWindow();
    const QString ini = m_folder->filePath("Varnholt.ini");
    QVERIFY(writeFile(ini, "\"" + m_folder->path().toUtf8() + "\"\r\n"));
    QVERIFY(m_window->load(ini, nullptr));
    const MissionBrief start = m_window->brief();
    DraftStore drafts(m_folder->filePath("state/drafts")), next(drafts);
    QVERIFY(!openRecover(drafts));

    MissionBrief typed = fullRecord();
    typed.pictureWidth = "170";
    typed.saveFolder = m_folder->filePath("raid");
    QVERIFY(QDir().mkpath(typed.saveFolder));
    m_window->setBrief(typed);
    m_window->close(); // the texts are kept on the way out

    m_window = std::make_unique<frmMain>(m_prompter, [](double) {});
    QVERIFY(m_window->load(ini, nullptr));
    frmRecover *window = openRecover(next);
    QVERIFY(window);
    auto *list = window->findChild<QListWidget *>("lstDrafts");
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().startsWith(typed.missionName + "\n"
                                             + QDir::toNativeSeparators(typed.saveFolder)));
    QTest::mouseClick(window->findChild<QPushButton *>(button.toLatin1()), Qt::LeftButton);
    if (button != "cmdDelete")
        QVERIFY(window->isHidden());
    QCOMPARE(m_window->brief(), recovered ? typed : start);
    QCOMPARE(readFile(ini), "\"" + m_folder->path().toUtf8() + "\"\r\n");
    if (QByteArray(QTest::currentDataTag()).endsWith("files"))
        find<QPushButton>("cmdMake")->click();
    QCOMPARE(drafts.drafts().size(), draftsLeft);
}

QTEST_MAIN(tst_RecoverTexts)
#include "tst_recovertexts.moc"
