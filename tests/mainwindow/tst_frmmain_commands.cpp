#include "controls.h"
#include "filelist.h"
#include "folderlist.h"
#include "frmmain.h"
#include "imagebox.h"
#include "mainwindowfixture.h"
#include "missionbrief.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Button = Prompter::Button;

namespace {

// The shown windows of the program with that object name.
QList<QWidget *> shownWindows(const char *name)
{
    QList<QWidget *> found;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            found.append(window);
    }
    return found;
}

void clickItem(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void doubleClickItem(QListWidget *list, int row)
{
    // A double-click reaches the list as a press and release, then the
    // double-click itself.
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class tst_frmMainCommands : public QObject, protected MainWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void addObjectiveShowsConfirmationInTheBox();
    void doubleClickRemovesAndRecounts();
    void editObjective_data();
    void editObjective();
    void clearObjectives_data();
    void clearObjectives();
    void clearAll_data();
    void clearAll();
    void markupButtons_data();
    void markupButtons();
    void sizeBoxTyping_data();
    void sizeBoxTyping();
    void warningLabelOpensOneWindow();
    void choosingPictureFillsHeightThenWidth();
    void previewOpensOnDoubleClick();
    void aboutLinkOpensOneWindow();
    void closingMainWindowClosesTheOthers();
    void pagesCarryTheEdits();

private:
    void showBriefingTab() { find<QTabWidget>("SSTab1")->setCurrentIndex(1); }
};

void tst_frmMainCommands::initTestCase()
{
    useDialogFont();
}

void tst_frmMainCommands::init()
{
    createWindow();
    QVERIFY(m_folder->isValid());
}

void tst_frmMainCommands::cleanup()
{
    destroyWindow();
}

void tst_frmMainCommands::addObjectiveShowsConfirmationInTheBox()
{
    showWindow();
    showBriefingTab();
    auto *box = find<QLineEdit>("txtObjective");
    auto *count = find<QLabel>("Label16");
    auto *list = find<QListWidget>("List1");
    QTest::keyClicks(box, QStringLiteral("Take the bridge"));

    // Seen while the pause runs: the list and count are already updated.
    QString boxDuringPause, countDuringPause;
    int itemsDuringPause = -1;
    m_duringPause = [&] {
        boxDuringPause = box->text();
        countDuringPause = count->text();
        itemsDuringPause = list->count();
    };
    QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton);

    QCOMPARE(m_pauses, QList<double> { 0.3 });
    QCOMPARE(boxDuringPause, QStringLiteral("Objective Added!"));
    QCOMPARE(countDuringPause, QStringLiteral("1"));
    QCOMPARE(itemsDuringPause, 1);
    QCOMPARE(box->text(), QString());
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(count->text(), QStringLiteral("1"));
    QCOMPARE(list->item(0)->text(), QStringLiteral("Take the bridge"));
    QVERIFY(m_prompter.shown.isEmpty());
}

void tst_frmMainCommands::doubleClickRemovesAndRecounts()
{
    showWindow();
    addObjective(QStringLiteral("First"));
    addObjective(QStringLiteral("Second"));
    QCOMPARE(find<QLabel>("Label16")->text(), QStringLiteral("2"));

    auto *list = find<QListWidget>("List1");
    doubleClickItem(list, 0);

    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Second"));
    QCOMPARE(find<QLabel>("Label16")->text(), QStringLiteral("1"));
    QVERIFY(m_prompter.shown.isEmpty());
}

void tst_frmMainCommands::editObjective_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Add Objective button saves") << "button"
                                                << "Hold the ridge";
    QTest::newRow("Enter in the text box saves") << "enter"
                                                 << "Hold the ridge";
    QTest::newRow("Cancel keeps the objective") << "cancel"
                                                << "Second";
}

void tst_frmMainCommands::editObjective()
{
    QFETCH(QString, how);
    QFETCH(QString, expected);

    showWindow();
    for (const char *text : { "First", "Second", "Third" })
        addObjective(QLatin1String(text));
    auto *list = find<QListWidget>("List1");
    clickItem(list, 1);
    QTest::mouseClick(find<QPushButton>("Command7"), Qt::LeftButton);

    const QList<QWidget *> dialogs = shownWindows("frmEditObj");
    QCOMPARE(dialogs.size(), 1);
    const QPointer<QWidget> dialog = dialogs.first();
    QVERIFY(!m_window->isEnabled());
    auto *text = dialog->findChild<QLineEdit *>(QStringLiteral("txtEditObj"));
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("Second"));

    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("Hold the ridge"));
    if (how == QLatin1String("enter"))
        QTest::keyClick(text, Qt::Key_Return);
    else
        QTest::mouseClick(dialog->findChild<QPushButton *>(how == QLatin1String("button")
                                                               ? QStringLiteral("Command1")
                                                               : QStringLiteral("Command2")),
                          Qt::LeftButton);

    flushDeletes();
    QVERIFY(!dialog);
    QVERIFY(m_window->isEnabled());
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    QCOMPARE(items, QStringList({ QStringLiteral("First"), expected, QStringLiteral("Third") }));
    QCOMPARE(find<QLabel>("Label16")->text(), QStringLiteral("3"));
}

void tst_frmMainCommands::clearObjectives_data()
{
    QTest::addColumn<Button>("answer");
    QTest::addColumn<int>("itemsLeft");
    QTest::addColumn<QString>("count");

    QTest::newRow("Yes empties the list") << Button::Yes << 0 << "0";
    QTest::newRow("No keeps the list") << Button::No << 2 << "2";
}

void tst_frmMainCommands::clearObjectives()
{
    QFETCH(Button, answer);
    QFETCH(int, itemsLeft);
    QFETCH(QString, count);

    showWindow();
    addObjective(QStringLiteral("First"));
    addObjective(QStringLiteral("Second"));
    m_prompter.buttonAnswers.enqueue(answer);

    QTest::mouseClick(find<QPushButton>("Command6"), Qt::LeftButton);

    QCOMPARE(m_prompter.shown.size(), 1);
    QCOMPARE(m_prompter.shown.first().buttons, Prompter::Buttons::YesNo);
    QCOMPARE(find<QListWidget>("List1")->count(), itemsLeft);
    QCOMPARE(find<QLabel>("Label16")->text(), count);
}

void tst_frmMainCommands::clearAll_data()
{
    QTest::addColumn<Button>("answer");

    QTest::newRow("Yes clears the mission texts") << Button::Yes;
    QTest::newRow("No changes nothing") << Button::No;
}

void tst_frmMainCommands::clearAll()
{
    QFETCH(Button, answer);

    showWindow();
    QTest::keyClicks(find<QLineEdit>("txtMission"), QStringLiteral("Night Raid"));
    QTest::keyClicks(find<QPlainTextEdit>("txtOverview"), QStringLiteral("At dusk"));
    find<QLineEdit>("txtDirectory")->setText(m_folder->path());
    showPictureTab(1);
    auto *width = find<QLineEdit>("txtPicWidth");
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("300"));
    showBriefingTab();
    QTest::keyClicks(find<QPlainTextEdit>("txtHeader"), QStringLiteral("Notes"));
    QTest::keyClicks(find<QPlainTextEdit>("txtBriefing"), QStringLiteral("Plan"));
    for (const char *text : { "A", "B", "C" })
        addObjective(QLatin1String(text));
    auto *header = find<QLineEdit>("txtEnd2Header");
    header->selectAll();
    QTest::keyClicks(header, QStringLiteral("Routed"));
    QTest::keyClicks(find<QLineEdit>("txtObjective"), QStringLiteral("not yet added"));

    const MissionBrief before = m_window->brief();
    MissionBrief expected = before;
    if (answer == Button::Yes) {
        expected.missionName.clear();
        expected.overviewText.clear();
        expected.notesText.clear();
        expected.briefingText.clear();
        expected.objectives.clear();
        expected.objectiveCount = QStringLiteral("0");
    }
    m_prompter.buttonAnswers.enqueue(answer);

    QTest::mouseClick(find<QPushButton>("cmdClear"), Qt::LeftButton);

    QCOMPARE(m_prompter.texts(),
             QStringList { QStringLiteral("Are you sure you want to clear ALL fields?") });
    QCOMPARE(m_prompter.shown.first().title, QStringLiteral("Clear All?"));
    QCOMPARE(m_window->brief(), expected);
    QCOMPARE(expected.endings[1].header, QStringLiteral("Routed"));
    QCOMPARE(expected.pictureWidth, QStringLiteral("300"));
    QCOMPARE(find<QLineEdit>("txtObjective")->text(), QStringLiteral("not yet added"));
    QCOMPARE(find<QListWidget>("List1")->count(), int(expected.objectives.size()));
}

void tst_frmMainCommands::markupButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("appended");

    const QStringList none;
    const QStringList camp { QStringLiteral("camp1"), QStringLiteral("the camp") };
    const QStringList cancelled { QString(), QString() };
    QTest::newRow("notes Add Linebreak") << "Command4"
                                         << "txtHeader"
                                         << "txtBriefing" << none << "<br>\n";
    QTest::newRow("notes Insert Marker")
        << "Command5"
        << "txtHeader"
        << "txtBriefing" << camp << " <a href=\"marker:camp1\">the camp</a>";
    QTest::newRow("briefing Add Linebreak") << "Command1"
                                            << "txtBriefing"
                                            << "txtHeader" << none << "<br>\n";
    QTest::newRow("briefing Insert Marker, both boxes cancelled")
        << "Command3"
        << "txtBriefing"
        << "txtHeader" << cancelled << " <a href=\"marker:\"></a>";
}

void tst_frmMainCommands::markupButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, target);
    QFETCH(QString, other);
    QFETCH(QStringList, answers);
    QFETCH(QString, appended);

    showWindow();
    showBriefingTab();
    auto *box = m_window->findChild<QPlainTextEdit *>(target);
    auto *otherBox = m_window->findChild<QPlainTextEdit *>(other);
    QTest::keyClicks(otherBox, QStringLiteral("Leave me"));
    QTest::keyClicks(box, QStringLiteral("Move north"));
    // The caret in the middle with a word selected changes nothing.
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    find<QLineEdit>("txtObjective")->setFocus();
    for (const QString &answer : std::as_const(answers))
        m_prompter.inputAnswers.enqueue(answer);

    QTest::mouseClick(m_window->findChild<QPushButton *>(button), Qt::LeftButton);

    const QString expected = QStringLiteral("Move north") + appended;
    QCOMPARE(box->toPlainText(), expected);
    QCOMPARE(otherBox->toPlainText(), QStringLiteral("Leave me"));
    QCOMPARE(QApplication::focusWidget(), box);
    QVERIFY(!box->textCursor().hasSelection());
    QCOMPARE(box->textCursor().position(), int(expected.size()));
    QCOMPARE(m_prompter.shown.size(), answers.size());
    QVERIFY(m_prompter.inputAnswers.isEmpty());
}

void tst_frmMainCommands::sizeBoxTyping_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("messages");

    QTest::newRow("letter after digits in the width") << "txtPicWidth"
                                                      << "lblPicWidth"
                                                      << "12a"
                                                      << "12" << 1;
    QTest::newRow("minus sign alone in the height") << "txtPicHeight"
                                                    << "lblPicHeight"
                                                    << "-"
                                                    << "" << 1;
    QTest::newRow("spaces dropped silently") << "txtPicHeight"
                                             << "lblPicHeight"
                                             << " 4 8"
                                             << "48" << 0;
}

void tst_frmMainCommands::sizeBoxTyping()
{
    QFETCH(QString, box);
    QFETCH(QString, label);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QFETCH(int, messages);

    showWindow();
    showPictureTab(1);
    auto *edit = m_window->findChild<QLineEdit *>(box);
    edit->clear();
    QTest::keyClicks(edit, typed);

    QCOMPARE(edit->text(), left);
    QCOMPARE(m_window->findChild<QLabel *>(label)->text(), left);
    QCOMPARE(m_prompter.count(QStringLiteral("Must Be Numbers")), messages);
    QCOMPARE(m_prompter.shown.size(), messages);
}

void tst_frmMainCommands::warningLabelOpensOneWindow()
{
    showWindow();
    showPictureTab(1);
    auto *warning = find<QLabel>("lblWarning");
    QVERIFY(!warning->isVisible());
    auto *width = find<QLineEdit>("txtPicWidth");
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("300"));
    QVERIFY(warning->isVisible());
    QCOMPARE(find<QLabel>("lblPicWidth")->text(), QStringLiteral("300"));

    QTest::mouseClick(warning, Qt::LeftButton);
    QTest::mouseClick(warning, Qt::LeftButton);
    QCOMPARE(shownWindows("frmWarning").size(), 1);

    // OK closes it; the next click opens a new one.
    QWidget *first = shownWindows("frmWarning").first();
    QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(shownWindows("frmWarning").size(), 0);
    QTest::mouseClick(warning, Qt::LeftButton);
    QCOMPARE(shownWindows("frmWarning").size(), 1);
    QVERIFY(m_prompter.shown.isEmpty());
}

void tst_frmMainCommands::choosingPictureFillsHeightThenWidth()
{
    showWindow();
    auto *width = find<QLineEdit>("txtPicWidth");
    auto *height = find<QLineEdit>("txtPicHeight");
    auto *warning = find<QLabel>("lblWarning");
    // Each change as it happens, with the warning as the size rules left it.
    QStringList changes;
    const auto record = [&](const char *which, const QString &text) {
        changes.append(
            QStringLiteral("%1 %2 %3")
                .arg(QLatin1String(which), text,
                     warning->isHidden() ? QStringLiteral("ok") : QStringLiteral("warning")));
    };
    connect(height, &QLineEdit::textChanged, this, [&](const QString &t) { record("height", t); });
    connect(width, &QLineEdit::textChanged, this, [&](const QString &t) { record("width", t); });

    const QString path = choosePicture(300, 100);
    QVERIFY(!path.isEmpty());

    QCOMPARE(find<QLineEdit>("Text1")->text(), path);
    QCOMPARE(changes, QStringList({ "height 100 ok", "width 300 warning" }));
    QCOMPARE(height->text(), QStringLiteral("100"));
    QCOMPARE(width->text(), QStringLiteral("300"));
    QCOMPARE(find<QLabel>("lblPicHeight")->text(), QStringLiteral("100"));
    QCOMPARE(find<QLabel>("lblPicWidth")->text(), QStringLiteral("300"));
    QCOMPARE(find<ImageBox>("imgPicPreview")->image().isNull(), false);
    QVERIFY(m_prompter.shown.isEmpty());
}

void tst_frmMainCommands::previewOpensOnDoubleClick()
{
    showWindow();
    QVERIFY(!choosePicture(300, 100).isEmpty());
    QCOMPARE(shownWindows("frmPreview").size(), 0);

    showPictureTab(1);
    QTest::mouseDClick(find<ImageBox>("imgPicPreview"), Qt::LeftButton);

    const QList<QWidget *> previews = shownWindows("frmPreview");
    QCOMPARE(previews.size(), 1);
    auto *full = previews.first()->findChild<ImageBox *>(QStringLiteral("imgPrev"));
    QVERIFY(full);
    QCOMPARE(full->image().size(), QSize(300, 100));
    QVERIFY(m_prompter.shown.isEmpty());
}

void tst_frmMainCommands::aboutLinkOpensOneWindow()
{
    showWindow();
    auto *link = find<QLabel>("Label15");
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(shownWindows("frmAbout").size(), 1);
    // The about window is not modal: the main window still takes input.
    QVERIFY(m_window->isEnabled());
    QTest::keyClicks(find<QLineEdit>("txtMission"), QStringLiteral("X"));
    QCOMPARE(find<QLineEdit>("txtMission")->text(), QStringLiteral("X"));
}

void tst_frmMainCommands::closingMainWindowClosesTheOthers()
{
    showWindow();
    QTest::mouseClick(find<QLabel>("Label15"), Qt::LeftButton);
    QVERIFY(!choosePicture(300, 100).isEmpty());
    showPictureTab(1);
    QTest::mouseDClick(find<ImageBox>("imgPicPreview"), Qt::LeftButton);
    QTest::mouseClick(find<QLabel>("lblWarning"), Qt::LeftButton);
    addObjective(QStringLiteral("Survive"));
    clickItem(find<QListWidget>("List1"), 0);
    QTest::mouseClick(find<QPushButton>("Command7"), Qt::LeftButton);

    const char *others[] = { "frmAbout", "frmPreview", "frmWarning", "frmEditObj" };
    for (const char *name : others)
        QVERIFY2(shownWindows(name).size() == 1, name);

    QVERIFY(m_window->close());

    QVERIFY(!m_window->isVisible());
    for (const char *name : others)
        QVERIFY2(shownWindows(name).isEmpty(), name);
    QVERIFY(m_prompter.shown.isEmpty());
}

void tst_frmMainCommands::pagesCarryTheEdits()
{
    showWindow();
    QTest::keyClicks(find<QLineEdit>("txtMission"), QStringLiteral("Iron Gate"));
    find<QLineEdit>("txtDirectory")->setText(m_folder->path());

    for (const char *text : { "Scout the gate", "Cut the wire", "Open the gate", "Leave" })
        addObjective(QLatin1String(text));
    auto *list = find<QListWidget>("List1");
    doubleClickItem(list, 3);
    clickItem(list, 1);
    QTest::mouseClick(find<QPushButton>("Command7"), Qt::LeftButton);
    QCOMPARE(shownWindows("frmEditObj").size(), 1);
    auto *edit
        = shownWindows("frmEditObj").first()->findChild<QLineEdit *>(QStringLiteral("txtEditObj"));
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Cut the <b>fence</b>"));
    QTest::keyClick(edit, Qt::Key_Return);
    flushDeletes();
    QVERIFY(m_window->isEnabled());

    QTest::keyClicks(find<QPlainTextEdit>("txtHeader"), QStringLiteral("Quiet"));
    QTest::mouseClick(find<QPushButton>("Command4"), Qt::LeftButton);
    QTest::keyClicks(find<QPlainTextEdit>("txtHeader"), QStringLiteral("night"));
    m_prompter.inputAnswers.enqueue(QStringLiteral("gate"));
    m_prompter.inputAnswers.enqueue(QStringLiteral("the gate"));
    QTest::mouseClick(find<QPushButton>("Command3"), Qt::LeftButton);

    // Started from "Overview", the list is left selected before the box shows.
    find<QTabWidget>("SSTab1")->setCurrentIndex(0);
    int rowWhenShown = -1;
    QWidget *focusWhenShown = nullptr;
    m_prompter.onShow = [&](const ScriptedPrompter::Shown &box) {
        if (box.text == QLatin1String("Files Created!")) {
            rowWhenShown = list->currentRow();
            focusWhenShown = QApplication::focusWidget();
        }
    };
    QTest::mouseClick(find<QPushButton>("cmdMake"), Qt::LeftButton);
    QCOMPARE(m_prompter.texts().last(), QStringLiteral("Files Created!"));
    QCOMPARE(rowWhenShown, 2);
    QCOMPARE(focusWhenShown, list);

    const QByteArray briefing = readFile(m_folder->filePath(QStringLiteral("briefing.html")));
    const QByteArray expectedBlock = "<h6>\r\n"
                                     "Quiet<br>\r\n"
                                     "night\r\n"
                                     "</h6>\r\n"
                                     "<hr>\r\n"
                                     "<p><a name=\"Plan\"></a>\r\n"
                                     " <a href=\"marker:gate\">the gate</a>\r\n"
                                     "</p>\r\n"
                                     "<hr>\r\n"
                                     "<p><a name = \"OBJ_1\"></a>Scout the gate\r\n"
                                     "</p>\r\n"
                                     "<hr>\r\n"
                                     "\r\n"
                                     "<p><a name = \"OBJ_2\"></a>Cut the <b>fence</b>\r\n"
                                     "</p>\r\n"
                                     "<hr>\r\n"
                                     "\r\n"
                                     "<p><a name = \"OBJ_3\"></a>Open the gate\r\n"
                                     "</p>\r\n"
                                     "<hr>\r\n"
                                     "\r\n"
                                     "<hr>\r\n"
                                     "<br>\r\n"
                                     "<h2>\r\n"
                                     "<a name=\"Debriefing:End1\">Mission Accomplished</a>\r\n";
    QVERIFY2(briefing.contains(expectedBlock), briefing.constData());
    QVERIFY(!briefing.contains("OBJ_4"));
    QVERIFY(!briefing.contains("Leave"));
    const QByteArray overview = readFile(m_folder->filePath(QStringLiteral("overview.html")));
    QVERIFY(overview.contains("<h2 align=\"center\"><a name=\"Main\">Iron Gate</a></h2>\r\n"));
    QCOMPARE(list->currentRow(), 2);
}

QTEST_MAIN(tst_frmMainCommands)
#include "tst_frmmain_commands.moc"
