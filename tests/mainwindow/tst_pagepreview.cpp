#include "controls.h"
#include "frmpagepreview.h"
#include "mainwindowfixture.h"
#include "missionbrief.h"

#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>

class tst_PagePreview : public QObject, protected MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { registerFontSubstitutes(); }
    void init() { createWindow(); }
    void cleanup() { destroyWindow(); }

    void f5OpensOnePreview();
    void typingRefreshesOnceAfterThePause();
    void unchangedPageIsKept();
    void chosenPictureAppears();
    void markerLinkNamesTheMarker();
    void checkLineShowsItsField_data();
    void checkLineShowsItsField();
    void closingMainWindowClosesPreview();

private:
    frmPagePreview *openPreview()
    {
        showWindow();
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        auto *preview = m_window->findChild<frmPagePreview *>();
        if (preview && !QTest::qWaitForWindowExposed(preview))
            return nullptr;
        return preview;
    }
    QTextBrowser *page(frmPagePreview *preview, const char *name)
    {
        return preview->findChild<QTextBrowser *>(QLatin1String(name));
    }
};

void tst_PagePreview::f5OpensOnePreview()
{
    frmPagePreview *preview = openPreview();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Page Preview"));
    QTest::keyClick(m_window.get(), Qt::Key_F5);
    QCOMPARE(m_window->findChildren<frmPagePreview *>().size(), 1);
}

void tst_PagePreview::typingRefreshesOnceAfterThePause()
{
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    QTextBrowser *overview = page(preview, "brwOverview");
    const int before = preview->refreshCount();
    QTest::keyClicks(find<QLineEdit>("txtMission"), QStringLiteral("Night Raid"));
    QCOMPARE(preview->refreshCount(), before);
    QVERIFY(!overview->toPlainText().contains(QStringLiteral("Night Raid")));

    QTRY_VERIFY(overview->toPlainText().contains(QStringLiteral("Night Raid")));
    QTest::qWait(300);
    QCOMPARE(preview->refreshCount(), before + 1);
}

void tst_PagePreview::unchangedPageIsKept()
{
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    MissionBrief brief = m_window->brief();
    brief.objectives = { QStringLiteral("Hold the ford"), QStringLiteral("Burn the mill") };
    m_window->setBrief(brief);
    preview->findChild<QTabWidget *>(QStringLiteral("tabPages"))->setCurrentIndex(1);
    preview->refresh();
    QTextBrowser *briefing = page(preview, "brwBriefing");
    QVERIFY(briefing->toPlainText().contains(QStringLiteral("Burn the mill")));
    briefing->selectAll();

    const int before = preview->refreshCount();
    QTest::keyClicks(find<QLineEdit>("txtMission"), QStringLiteral("Raid"));
    QTRY_COMPARE(preview->refreshCount(), before + 1);
    QVERIFY(briefing->textCursor().hasSelection());
}

void tst_PagePreview::chosenPictureAppears()
{
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    const auto showsPicture = [&] {
        const QImage shot = page(preview, "brwOverview")->viewport()->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == qRgb(40, 90, 160))
                    return true;
        return false;
    };
    QVERIFY(!showsPicture());
    QVERIFY(!choosePicture(40, 30).isEmpty());
    QTRY_VERIFY(showsPicture());
}

void tst_PagePreview::markerLinkNamesTheMarker()
{
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    MissionBrief brief = m_window->brief();
    brief.overviewText = QStringLiteral("<a href=\"marker:North Gate\">gate</a>");
    m_window->setBrief(brief);
    preview->refresh();
    QTextBrowser *overview = page(preview, "brwOverview");
    QPoint link(-1, -1);
    for (int y = 0; y < overview->viewport()->height() && link.x() < 0; y += 2)
        for (int x = 0; x < overview->viewport()->width() && link.x() < 0; x += 2)
            if (!overview->anchorAt({ x, y }).isEmpty())
                link = { x, y };
    QVERIFY(link.x() >= 0);
    QTest::mouseClick(overview->viewport(), Qt::LeftButton, {}, link);
    QCOMPARE(preview->findChild<QStatusBar *>()->currentMessage(),
             QStringLiteral("Map marker: North Gate"));
    QCOMPARE(overview->source(), QUrl());
}

void tst_PagePreview::checkLineShowsItsField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QList<int>>("tabs"); // SSTab1, SSTab2, SSTab3 afterwards; -1 any
    QTest::addColumn<int>("objectiveRow");

    QTest::newRow("empty mission name") << "Mission Name"
                                        << "txtMission" << QList { 0, -1, -1 } << -1;
    QTest::newRow("odd width") << "Picture Width"
                               << "txtPicWidth" << QList { 0, -1, 1 } << -1;
    QTest::newRow("no picture") << "Picture"
                                << "File1" << QList { 0, -1, 0 } << -1;
    QTest::newRow("repeated objective") << "Objective 3"
                                        << "List1" << QList { 1, -1, -1 } << 2;
    QTest::newRow("open tag in ending 3") << "End 3 Header"
                                          << "txtEnd3Header" << QList { 1, 2, -1 } << -1;
}

void tst_PagePreview::checkLineShowsItsField()
{
    QFETCH(QString, field);
    QFETCH(QString, focus);
    QFETCH(QList<int>, tabs);
    QFETCH(int, objectiveRow);

    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    MissionBrief brief;
    brief.pictureWidth = QStringLiteral("171");
    brief.pictureHeight = QStringLiteral("64");
    brief.objectives = { QStringLiteral("Hold"), QStringLiteral("Raid"), QStringLiteral("Hold") };
    brief.endings[2].header = QStringLiteral("<b>Won");
    m_window->setBrief(brief);
    const std::array<QTabWidget *, 3> tabWidgets { find<QTabWidget>("SSTab1"),
                                                   find<QTabWidget>("SSTab2"),
                                                   find<QTabWidget>("SSTab3") };
    // Each tab the field needs starts elsewhere.
    for (int i = 0; i < 3; ++i) {
        if (tabs[i] >= 0)
            tabWidgets[i]->setCurrentIndex(tabs[i] == 0 ? 1 : 0);
    }
    preview->refresh();

    auto *checks = preview->findChild<QListWidget *>(QStringLiteral("lstChecks"));
    const auto items = checks->findItems(field + QStringLiteral(": "), Qt::MatchStartsWith);
    QVERIFY(!items.isEmpty());
    const QPoint centre = checks->visualItemRect(items.first()).center();
    QTest::mouseClick(checks->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(checks->viewport(), Qt::LeftButton, {}, centre);

    QTRY_COMPARE(QApplication::focusWidget(), find<QWidget>(qPrintable(focus)));
    for (int i = 0; i < 3; ++i) {
        if (tabs[i] >= 0)
            QCOMPARE(tabWidgets[i]->currentIndex(), tabs[i]);
    }
    if (objectiveRow >= 0)
        QCOMPARE(find<QListWidget>("List1")->currentRow(), objectiveRow);
}

void tst_PagePreview::closingMainWindowClosesPreview()
{
    const QPointer<frmPagePreview> preview = openPreview();
    QVERIFY(preview);
    m_window->close();
    QVERIFY(!preview || !preview->isVisible());
}

QTEST_MAIN(tst_PagePreview)
#include "tst_pagepreview.moc"
