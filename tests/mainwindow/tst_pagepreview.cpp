#include "controls.h"
#include "frmpagepreview.h"
#include "mainwindowfixture.h"
#include "missionbrief.h"

#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>

class tst_PagePreview : public QObject, protected MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        registerFontSubstitutes();
    }
    void init()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
             + QStringLiteral("/quillmark"))
            .removeRecursively();
        createWindow();
    }
    void cleanup() { destroyWindow(); }

    void f5ShowsWithoutTakingTheKeyboard();
    void keysInThePreview_data();
    void keysInThePreview();
    void typingRefreshesOnceAfterThePause();
    void unchangedPageIsKept();
    void chosenPictureAppears();
    void markerLinkNamesTheMarker();
    void previewFollowsTheWriting_data();
    void previewFollowsTheWriting();
    void layoutIsRemembered();
    void usableWhileAnObjectiveIsEdited();
    void checkLineShowsItsField_data();
    void checkLineShowsItsField();
    void closingMainWindowClosesPreview();

private:
    static frmPagePreview *shownPreview()
    {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows)
            if (auto *preview = qobject_cast<frmPagePreview *>(window))
                return preview;
        return nullptr;
    }
    frmPagePreview *openPreview()
    {
        showWindow();
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        frmPagePreview *preview = shownPreview();
        if (!preview || !QTest::qWaitForWindowExposed(preview)
            || !QTest::qWaitFor([preview] { return preview->refreshCount() > 0; }))
            return nullptr;
        return preview;
    }
    QTextBrowser *page(frmPagePreview *preview, const char *name)
    {
        return preview->findChild<QTextBrowser *>(QLatin1String(name));
    }
    static QTabWidget *pages(frmPagePreview *preview)
    {
        return preview->findChild<QTabWidget *>(QStringLiteral("tabPages"));
    }
};

void tst_PagePreview::f5ShowsWithoutTakingTheKeyboard()
{
    auto *name = find<QLineEdit>("txtMission");
    frmPagePreview *preview = openPreview();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Page Preview"));
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(find<QAction>("mnuPreview")->isChecked());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Raid"));
    QCOMPARE(name->text(), QStringLiteral("Raid"));

    // Minimized, F5 brings it back; active, F5 hides it.
    preview->showMinimized();
    QTest::keyClick(m_window.get(), Qt::Key_F5);
    QTRY_VERIFY(preview->isVisible() && !preview->isMinimized());
    QCOMPARE(shownPreview(), preview);
    QApplication::setActiveWindow(preview);
    QTRY_VERIFY(preview->isActiveWindow());
    QTest::keyClick(preview, Qt::Key_F5);
    QVERIFY(!preview->isVisible());
    QVERIFY(!find<QAction>("mnuPreview")->isChecked());
}

void tst_PagePreview::keysInThePreview_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<QString>("message");
    QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape) << false << "";
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W) << false << "";
    QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << true
                            << "Please Enter Mission Name.";
}

void tst_PagePreview::keysInThePreview()
{
    QFETCH(QKeySequence, keys);
    QFETCH(bool, staysOpen);
    QFETCH(QString, message);
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    QApplication::setActiveWindow(preview);
    QTRY_VERIFY(preview->isActiveWindow());
    QTest::keySequence(preview, keys);
    QCOMPARE(preview->isVisible(), staysOpen);
    if (!message.isEmpty())
        QVERIFY(m_prompter.texts().contains(message));
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
    pages(preview)->setCurrentIndex(1);
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
    auto *status = preview->findChild<QStatusBar *>();
    QMouseEvent move(QEvent::MouseMove, link, overview->viewport()->mapToGlobal(link), Qt::NoButton,
                     {}, {});
    QApplication::sendEvent(overview->viewport(), &move);
    QTRY_COMPARE(status->currentMessage(), QStringLiteral("Map marker: North Gate"));
    status->clearMessage();
    QTest::mouseClick(overview->viewport(), Qt::LeftButton, {}, link);
    QCOMPARE(status->currentMessage(), QStringLiteral("Map marker: North Gate"));
    QCOMPARE(overview->source(), QUrl());
}

void tst_PagePreview::previewFollowsTheWriting_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("page");
    QTest::newRow("mission name") << "txtMission" << 0;
    QTest::newRow("briefing") << "txtBriefing" << 1;
    QTest::newRow("objectives") << "List1" << 1;
    QTest::newRow("overview") << "txtOverview" << 0;
}

void tst_PagePreview::previewFollowsTheWriting()
{
    QFETCH(QString, field);
    QFETCH(int, page);
    MissionBrief brief = m_window->brief();
    brief.overviewText = brief.briefingText = QStringLiteral("line<br>\r\n").repeated(300);
    brief.objectives = QStringList(40, QStringLiteral("Hold"));
    m_window->setBrief(brief);
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    pages(preview)->setCurrentIndex(1 - page);

    auto *control = find<QWidget>(qPrintable(field));
    find<QTabWidget>("SSTab1")->setCurrentIndex(page);
    find<QWidget>("cmdMake")->setFocus();
    control->setFocus();
    if (auto *text = qobject_cast<QPlainTextEdit *>(control))
        text->moveCursor(QTextCursor::End);
    if (auto *list = qobject_cast<QListWidget *>(control))
        list->setCurrentRow(39);
    QTRY_COMPARE(pages(preview)->currentIndex(), page);
    // The end of the field is far down the page.
    auto *browser = qobject_cast<QTextBrowser *>(pages(preview)->currentWidget());
    if (field != QLatin1String("txtMission"))
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
}

void tst_PagePreview::layoutIsRemembered()
{
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    preview->setGeometry(100, 50, 400, 500);
    pages(preview)->setCurrentIndex(1);
    auto *splitter = preview->findChild<QSplitter *>(QStringLiteral("splPreview"));
    splitter->setSizes({ 200, 300 });
    const QList<int> sizes = splitter->sizes();
    preview->close();
    destroyWindow();
    createWindow();
    // With the focus in no field, the preview opens on the page it showed.
    find<QWidget>("cmdMake")->setFocus();
    preview = openPreview();
    QVERIFY(preview);
    QCOMPARE(preview->geometry(), QRect(100, 50, 400, 500));
    QCOMPARE(pages(preview)->currentIndex(), 1);
    QCOMPARE(preview->findChild<QSplitter *>(QStringLiteral("splPreview"))->sizes(), sizes);
}

void tst_PagePreview::usableWhileAnObjectiveIsEdited()
{
    frmPagePreview *preview = openPreview();
    QVERIFY(preview);
    addObjective(QStringLiteral("Hold the ford"));
    find<QListWidget>("List1")->setCurrentRow(0);
    QTest::mouseClick(find<QPushButton>("Command7"), Qt::LeftButton);
    QVERIFY(!m_window->isEnabled());
    QVERIFY(preview->isEnabled());
    QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != m_window.get()
                && QApplication::activeWindow() != preview);
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

    auto *checks = preview->findChild<QListView *>(QStringLiteral("lstChecks"));
    const QModelIndexList items
        = checks->model()->match(checks->model()->index(0, 0), Qt::DisplayRole,
                                 field + QStringLiteral(": "), 1, Qt::MatchStartsWith);
    QVERIFY(!items.isEmpty());
    const QPoint centre = checks->visualRect(items.first()).center();
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
