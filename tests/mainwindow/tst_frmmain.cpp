#include "controls.h"
#include "framefit.h"
#include "frmmain.h"
#include "mainwindowfixture.h"
#include "missionbrief.h"
#include "pagerecords.h"
#include "pagewriters.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Button = Prompter::Button;

namespace {

// The Tab key's order as the window's users know it.
const QStringList listedTabOrder {
    "txtMission",    "txtOverview",   "txtHeader",    "txtBriefing",   "txtObjective",
    "Command2",      "txtEnd1Header", "txtEnd1Body",  "txtEnd2Body",   "txtEnd3Header",
    "txtEnd3Body",   "SSTab2",        "txtEnd4Body",  "txtEnd5Header", "txtEnd5Body",
    "txtEnd6Header", "txtEnd6Body",   "cmdClear",     "cmdMake",       "SSTab1",
    "txtEnd2Header", "txtEnd4Header", "Dir1",         "Command1",      "Command3",
    "List1",         "Command4",      "Command5",     "Command6",      "SSTab3",
    "Dir2",          "File1",         "txtPicHeight", "txtPicWidth",   "Drive1",
    "txtDirectory",  "Command7",      "Text1",
};

// The listed control a focused widget belongs to (a tab bar belongs to its
// tabbed container).
QString controlOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (listedTabOrder.contains(w->objectName()))
            return w->objectName();
    }
    return widget ? QStringLiteral("<unnamed %1>").arg(widget->metaObject()->className())
                  : QStringLiteral("<none>");
}

// Pairs of controls that the window's layout itself lets overlap, by a pixel
// or more: the title labels over the pictures, the buttons stacked in the
// objectives frame, each ending's labels under their boxes.
const QStringList overlapByDesign {
    "Label1/Label2",         "Label1/Image1",       "Label1/Image2",         "Label2/Image1",
    "Label2/Image2",         "txtDirectory/Drive1", "Command2/Command7",     "Command7/Command6",
    "Command6/Label17",      "Command6/Label16",    "Label3/txtEnd1Header",  "Label4/txtEnd1Body",
    "Label5/txtEnd2Header",  "Label6/txtEnd2Body",  "Label7/txtEnd3Header",  "Label8/txtEnd3Body",
    "Label9/txtEnd4Header",  "Label10/txtEnd4Body", "Label11/txtEnd5Header", "Label12/txtEnd5Body",
    "Label13/txtEnd6Header", "Label14/txtEnd6Body",
};

} // namespace

class tst_frmMain : public QObject, protected MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void freshWindowHoldsStartingRecord();
    void startingPagesWithOnlyANameTyped();
    void pagesCarryTypedValues();
    void longTextsGoToThePagesWhole();
    void failedCheckShowsFieldAndTabs_data();
    void failedCheckShowsFieldAndTabs();
    void showFieldSelectsItsRange_data();
    void showFieldSelectsItsRange();
    void declinedQuestionChangesNothing();
    void enterKey_data();
    void enterKey();
    void escapeDoesNothing();
    void tabOrderVisitsVisibleControls_data();
    void tabOrderVisitsVisibleControls();
    void shiftTabGoesBack();
    void pictureSizeBoxesTakeFourCharacters();
    void transparentLabelsFollowTheirText_data();
    void transparentLabelsFollowTheirText();
    void clientArea();
    void siblingsDoNotOverlap();
    void controlsAreNotClipped();

private:
    void createFilesWrites(const MissionBrief &expected);
};

void tst_frmMain::initTestCase()
{
    useDialogFont();
}

void tst_frmMain::init()
{
    createWindow();
    QVERIFY(m_folder->isValid());
}

void tst_frmMain::cleanup()
{
    destroyWindow();
}

void tst_frmMain::freshWindowHoldsStartingRecord()
{
    QCOMPARE(m_window->brief(), MissionBrief());
}

void tst_frmMain::startingPagesWithOnlyANameTyped()
{
    showWindow();
    QTest::keyClicks(find<QLineEdit>("txtMission"), QStringLiteral("Night Raid"));
    find<QLineEdit>("txtDirectory")->setText(m_folder->path());
    m_prompter.buttonAnswers.enqueue(Button::Yes);

    QTest::mouseClick(find<QPushButton>("cmdMake"), Qt::LeftButton);

    QCOMPARE(m_prompter.texts().last(), QStringLiteral("Files Created!"));
    QCOMPARE(readFile(m_folder->filePath(QStringLiteral("overview.html"))),
             golden(QStringLiteral("overview_start.html")));
    QCOMPARE(readFile(m_folder->filePath(QStringLiteral("briefing.html"))),
             golden(QStringLiteral("briefing_start.html")));
}

void tst_frmMain::pagesCarryTypedValues()
{
    showWindow();
    MissionBrief expected;
    expected.missionName = QStringLiteral("Cold Harbour");
    expected.overviewText = QStringLiteral("Line one\r\nLine two");
    expected.pictureWidth = QStringLiteral("128");
    expected.pictureHeight = QStringLiteral("96");
    expected.notesText = QStringLiteral("Notes");
    expected.briefingText = QStringLiteral("Go in<br>\r\nquietly");
    expected.objectives = { QStringLiteral("Reach the pier"), QStringLiteral("Hold it") };
    expected.objectiveCount = QStringLiteral("2");
    expected.endings[2] = { QStringLiteral("Stalemate"), QString() };
    expected.saveFolder = m_folder->path();

    QTest::keyClicks(find<QLineEdit>("txtMission"), expected.missionName);
    auto *overview = find<QPlainTextEdit>("txtOverview");
    QTest::keyClicks(overview, QStringLiteral("Line one"));
    QTest::keyClick(overview, Qt::Key_Return);
    QTest::keyClicks(overview, QStringLiteral("Line two"));
    for (const char *name : { "txtPicWidth", "txtPicHeight" })
        find<QLineEdit>(name)->clear();
    QTest::keyClicks(find<QLineEdit>("txtPicWidth"), expected.pictureWidth);
    QTest::keyClicks(find<QLineEdit>("txtPicHeight"), expected.pictureHeight);
    QTest::keyClicks(find<QPlainTextEdit>("txtHeader"), expected.notesText);
    auto *briefing = find<QPlainTextEdit>("txtBriefing");
    QTest::keyClicks(briefing, QStringLiteral("Go in<br>"));
    QTest::keyClick(briefing, Qt::Key_Return);
    QTest::keyClicks(briefing, QStringLiteral("quietly"));
    for (const QString &objective : std::as_const(expected.objectives))
        addObjective(objective);
    auto *header3 = find<QLineEdit>("txtEnd3Header");
    header3->selectAll();
    QTest::keyClicks(header3, QStringLiteral("Stalemate"));
    find<QLineEdit>("txtEnd3Body")->clear();
    find<QLineEdit>("txtDirectory")->setText(expected.saveFolder);

    QCOMPARE(m_window->brief(), expected);
    createFilesWrites(expected);
    // The objectives list is left focused with its last objective selected.
    auto *list = find<QListWidget>("List1");
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->currentRow(), 1);
}

// Texts long enough to go to the pages straight from their boxes.
void tst_frmMain::longTextsGoToThePagesWhole()
{
    showWindow();
    const QString line = QStringLiteral("\u017Elu\u0165ou\u010Dk\u00FD \U0001F600 \u2603<br>\r\n");
    MissionBrief expected;
    expected.missionName = QStringLiteral("Long Night");
    expected.overviewText = line.repeated(20000);
    expected.notesText = QStringLiteral("Notes");
    expected.briefingText = line.repeated(30000) + QStringLiteral("end");
    expected.objectives = { QStringLiteral("Hold") };
    expected.objectiveCount = QStringLiteral("1");
    expected.saveFolder = m_folder->path();
    m_window->setBrief(expected);
    createFilesWrites(expected);
}

// "Create Files" succeeds and writes the pages of `expected`.
void tst_frmMain::createFilesWrites(const MissionBrief &expected)
{
    QTest::mouseClick(find<QPushButton>("cmdMake"), Qt::LeftButton);
    QCOMPARE(m_prompter.texts(), QStringList { QStringLiteral("Files Created!") });
    QCOMPARE(readFile(m_folder->filePath(QStringLiteral("overview.html"))),
             overviewPageBytes(expected));
    QCOMPARE(readFile(m_folder->filePath(QStringLiteral("briefing.html"))),
             briefingPageBytes(expected));
}

void tst_frmMain::failedCheckShowsFieldAndTabs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("pictureTab");
    QTest::addColumn<QString>("focused");

    QTest::newRow("empty mission name") << QString() << "170"
                                        << "64"
                                        << "Please Enter Mission Name." << 0 << "txtMission";
    QTest::newRow("odd width") << "Raid"
                               << "171"
                               << "65"
                               << "Width must be even number" << 1 << "txtPicWidth";
    QTest::newRow("fractional width") << "Raid"
                                      << "17.5"
                                      << "64"
                                      << "Width must be even number" << 1 << "txtPicWidth";
    QTest::newRow("odd height") << "Raid"
                                << "170"
                                << "65"
                                << "Height must be even number" << 1 << "txtPicHeight";
}

void tst_frmMain::failedCheckShowsFieldAndTabs()
{
    QFETCH(QString, name);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, message);
    QFETCH(int, pictureTab);
    QFETCH(QString, focused);

    showWindow();
    find<QLineEdit>("txtMission")->setText(name);
    find<QLineEdit>("txtPicWidth")->setText(width);
    find<QLineEdit>("txtPicHeight")->setText(height);
    find<QLineEdit>("txtDirectory")->setText(m_folder->path());
    addObjective(QStringLiteral("Survive"));
    // Start away from the field: on the other main tab, focus in the list.
    find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    find<QListWidget>("List1")->setFocus();

    QTest::mouseClick(find<QPushButton>("cmdMake"), Qt::LeftButton);

    QCOMPARE(m_prompter.texts(), QStringList { message });
    QCOMPARE(m_prompter.shown.first().title, QStringLiteral("Error"));
    QCOMPARE(m_prompter.shown.first().icon, Prompter::Icon::Critical);
    QCOMPARE(find<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(find<QTabWidget>("SSTab3")->currentIndex(), pictureTab);
    QCOMPARE(controlOf(QApplication::focusWidget()), focused);
    QVERIFY(QDir(m_folder->path()).isEmpty());
}

void tst_frmMain::showFieldSelectsItsRange_data()
{
    QTest::addColumn<FieldRef>("field");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("selected");

    QTest::newRow("after a line break")
        << FieldRef { MissionField::Overview } << 4 << 6 << "txtOverview"
        << "cd";
    QTest::newRow("across a line break")
        << FieldRef { MissionField::Overview } << 1 << 5 << "txtOverview"
        << "b\nc";
    QTest::newRow("after two line breaks")
        << FieldRef { MissionField::Briefing } << 5 << 7 << "txtBriefing"
        << "yz";
    QTest::newRow("ending on its tab")
        << FieldRef { MissionField::EndDescription, 3 } << 6 << 17 << "txtEnd3Body"
        << "Description";
    QTest::newRow("no range") << FieldRef { MissionField::MissionName } << -1 << -1 << "txtMission"
                              << "";
}

void tst_frmMain::showFieldSelectsItsRange()
{
    QFETCH(FieldRef, field);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, focused);
    QFETCH(QString, selected);

    showWindow();
    MissionBrief brief;
    brief.missionName = "Raid";
    brief.overviewText = "ab\r\ncd";
    brief.briefingText = "x\r\n\r\nyz";
    m_window->setBrief(brief);
    find<QTabWidget>("SSTab1")->setCurrentIndex(field.field == MissionField::Briefing ? 0 : 1);
    m_window->showMinimized();

    m_window->showField(field, from, to);

    QVERIFY(!m_window->isMinimized());
    QCOMPARE(controlOf(QApplication::focusWidget()), focused);
    QWidget *control = m_window->findChild<QWidget *>(focused);
    QVERIFY(control->isVisibleTo(m_window.get()));
    if (auto *line = qobject_cast<QLineEdit *>(control))
        QCOMPARE(line->selectedText(), selected);
    else
        QCOMPARE(static_cast<QPlainTextEdit *>(control)->textCursor().selectedText().replace(
                     QChar::ParagraphSeparator, '\n'),
                 selected);
}

void tst_frmMain::declinedQuestionChangesNothing()
{
    showWindow();
    find<QLineEdit>("txtMission")->setText(QStringLiteral("Raid"));
    find<QLineEdit>("txtDirectory")->setText(m_folder->path());
    find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    find<QLineEdit>("txtEnd1Body")->setFocus();
    m_prompter.buttonAnswers.enqueue(Button::No);

    QTest::keyClick(find<QLineEdit>("txtEnd1Body"), Qt::Key_Return);

    QCOMPARE(m_prompter.shown.size(), 1);
    QCOMPARE(m_prompter.shown.first().title, QStringLiteral("Continue?"));
    QCOMPARE(find<QTabWidget>("SSTab1")->currentIndex(), 1);
    QCOMPARE(controlOf(QApplication::focusWidget()), QStringLiteral("txtEnd1Body"));
    QVERIFY(QDir(m_folder->path()).isEmpty());
}

void tst_frmMain::enterKey_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("mainTab");
    QTest::addColumn<bool>("runsCreateFiles");

    QTest::newRow("mission name box") << "txtMission" << 0 << true;
    QTest::newRow("save folder box") << "txtDirectory" << 0 << true;
    QTest::newRow("objective box") << "txtObjective" << 1 << true;
    QTest::newRow("ending box") << "txtEnd6Body" << 1 << true;
    QTest::newRow("objectives list") << "List1" << 1 << true;
    QTest::newRow("picture file list") << "File1" << 0 << true;
    QTest::newRow("save folder list opens its folder instead") << "Dir1" << 0 << false;
    QTest::newRow("Create Files button") << "cmdMake" << 0 << true;
    QTest::newRow("overview box starts a line") << "txtOverview" << 0 << false;
    QTest::newRow("notes box starts a line") << "txtHeader" << 1 << false;
    QTest::newRow("briefing box starts a line") << "txtBriefing" << 1 << false;
    QTest::newRow("other button presses itself") << "Command6" << 1 << false;
}

void tst_frmMain::enterKey()
{
    QFETCH(QString, control);
    QFETCH(int, mainTab);
    QFETCH(bool, runsCreateFiles);

    showWindow();
    find<QTabWidget>("SSTab1")->setCurrentIndex(mainTab);
    auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    widget->setFocus();
    QCOMPARE(QApplication::focusWidget(), widget);
    int clicks = 0;
    if (auto *button = qobject_cast<QPushButton *>(widget))
        connect(button, &QPushButton::clicked, this, [&clicks] { ++clicks; });

    // "Clear Objectives" asks first; No leaves the list alone.
    const bool clearObjectives = control == QLatin1String("Command6");
    if (clearObjectives)
        m_prompter.buttonAnswers.enqueue(Prompter::Button::No);

    QTest::keyClick(widget, Qt::Key_Return);

    // With no mission name, "Create Files" stops at its first check.
    QCOMPARE(m_prompter.count(QStringLiteral("Please Enter Mission Name.")),
             runsCreateFiles ? 1 : 0);
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
        QCOMPARE(box->toPlainText(), QStringLiteral("\n"));
    if (clearObjectives) {
        QCOMPARE(clicks, 1);
        QCOMPARE(m_prompter.count(QStringLiteral("Are you sure you want to clear all objectives?")),
                 1);
    }
}

void tst_frmMain::escapeDoesNothing()
{
    showWindow();
    auto *mission = find<QLineEdit>("txtMission");
    mission->setText(QStringLiteral("Raid"));
    QTest::keyClick(mission, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_prompter.shown.isEmpty());
    QCOMPARE(mission->text(), QStringLiteral("Raid"));
}

void tst_frmMain::tabOrderVisitsVisibleControls_data()
{
    QTest::addColumn<int>("mainTab");
    QTest::addColumn<int>("pictureTab");
    QTest::addColumn<int>("endingTab");

    QTest::newRow("Overview, Picture Source") << 0 << 0 << 0;
    QTest::newRow("Overview, Picture Properites") << 0 << 1 << 0;
    QTest::newRow("Briefing, End 1") << 1 << 0 << 0;
    QTest::newRow("Briefing, End 4") << 1 << 0 << 3;
}

void tst_frmMain::tabOrderVisitsVisibleControls()
{
    QFETCH(int, mainTab);
    QFETCH(int, pictureTab);
    QFETCH(int, endingTab);

    showWindow();
    find<QTabWidget>("SSTab1")->setCurrentIndex(mainTab);
    find<QTabWidget>("SSTab3")->setCurrentIndex(pictureTab);
    find<QTabWidget>("SSTab2")->setCurrentIndex(endingTab);

    QStringList expected;
    for (const QString &name : listedTabOrder) {
        if (m_window->findChild<QWidget *>(name)->isVisibleTo(m_window.get()))
            expected.append(name);
    }
    QVERIFY(expected.contains(QStringLiteral("Text1")));

    QWidget *start = m_window->tabOrder().at(listedTabOrder.indexOf(expected.first()));
    start->setFocus();
    QStringList visited { controlOf(QApplication::focusWidget()) };
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(controlOf(QApplication::focusWidget()));
    }
    // One full round comes back to where it started.
    QCOMPARE(visited, expected + QStringList { expected.first() });
}

void tst_frmMain::shiftTabGoesBack()
{
    showWindow();
    // From the first control back round to the unseen picture source box,
    // then back again to the last control before it that is shown.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(controlOf(QApplication::focusWidget()), QStringLiteral("Text1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(controlOf(QApplication::focusWidget()), QStringLiteral("txtDirectory"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(controlOf(QApplication::focusWidget()), QStringLiteral("txtMission"));
}

void tst_frmMain::transparentLabelsFollowTheirText_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("shown");
    QTest::newRow("objective count shown") << "Label16" << true;
    QTest::newRow("objective count on the hidden tab") << "Label16" << false;
    QTest::newRow("picture width on the hidden tab") << "lblPicWidth" << false;
    QTest::newRow("picture height on the hidden tab") << "lblPicHeight" << false;
}

void tst_frmMain::transparentLabelsFollowTheirText()
{
    QFETCH(QString, label);
    QFETCH(bool, shown);
    showWindow();
    // The count is on "Briefing", the size labels on "Picture Properites".
    const bool onBriefing = label == QLatin1String("Label16");
    find<QTabWidget>("SSTab1")->setCurrentIndex(onBriefing == shown ? 1 : 0);
    find<QTabWidget>("SSTab3")->setCurrentIndex(0);
    auto *sized = m_window->findChild<QLabel *>(label);
    QVERIFY(sized);
    sized->setText(QStringLiteral("12000"));
    QCOMPARE(sized->width(), sized->sizeHint().width());
}

void tst_frmMain::pictureSizeBoxesTakeFourCharacters()
{
    showWindow();
    find<QTabWidget>("SSTab3")->setCurrentIndex(1);
    for (const char *name : { "txtPicWidth", "txtPicHeight" }) {
        auto *box = find<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("12345"));
        QCOMPARE(box->text(), QStringLiteral("1234"));
    }
}

void tst_frmMain::clientArea()
{
    showWindow();
    QCOMPARE(find<QWidget>("clientArea")->size(), QSize(369, 528));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quillmark"));
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(QApplication::focusWidget(), find<QLineEdit>("txtMission"));
    QCOMPARE(find<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(find<QTabWidget>("SSTab3")->currentIndex(), 0);
    QCOMPARE(find<QTabWidget>("SSTab2")->currentIndex(), 0);
    // The picture source box lies beyond the right edge, never seen.
    QVERIFY(find<QLineEdit>("Text1")->geometry().left() >= m_window->width());
}

void tst_frmMain::siblingsDoNotOverlap()
{
    showWindow();
    const auto all = m_window->findChildren<QWidget *>();
    QStringList overlaps;
    for (QWidget *parent : all + QList<QWidget *> { m_window.get() }) {
        QList<QWidget *> placed;
        for (QObject *child : parent->children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (w && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))
                && !w->isHidden())
                placed.append(w);
        }
        for (qsizetype i = 0; i < placed.size(); ++i) {
            for (qsizetype j = i + 1; j < placed.size(); ++j) {
                const QString pair = placed[i]->objectName() + '/' + placed[j]->objectName();
                if (overlapByDesign.contains(pair))
                    continue;
                if (placed[i]->geometry().intersects(placed[j]->geometry()))
                    overlaps.append(pair);
            }
        }
    }
    QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(QStringLiteral(", "))));
}

void tst_frmMain::controlsAreNotClipped()
{
    showWindow();
    QStringList clipped;
    const auto all = m_window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (w->objectName().isEmpty() || w->objectName() == QLatin1String("Text1")
            || w->objectName().startsWith(QLatin1String("qt_")) || w->isWindow()
            || qobject_cast<QTabBar *>(w->parentWidget()))
            continue;
        QWidget *parent = w->parentWidget();
        const auto *frame = qobject_cast<QGroupBox *>(parent);
        if (!(frame ? frameInside(frame) : parent->rect()).contains(w->geometry()))
            clipped.append(QStringLiteral("%1 %2x%3+%4+%5 in %6x%7")
                               .arg(w->objectName())
                               .arg(w->width())
                               .arg(w->height())
                               .arg(w->x())
                               .arg(w->y())
                               .arg(parent->width())
                               .arg(parent->height()));
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->width() < label->sizeHint().width() && !label->wordWrap())
                clipped.append(label->objectName() + QStringLiteral(" text"));
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
