#include "editingwindow.h"
#include "findcontrol.h"
#include "frmeditobj.h"
#include "objectiveseditor.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class TestObjectivesEditor : public QObject
{
    Q_OBJECT

private:
    // Fresh per test: the window, the boxes, and an editor whose pause runs
    // onPause (if set) and records what it was asked to wait.
    struct Fixture
    {
        EditingWindow w;
        ScriptedPrompter prompter;
        QList<double> pauses;
        std::function<void()> onPause;
        ObjectivesEditor editor { { .List1 = w.List1,
                                    .Label16 = w.Label16,
                                    .txtObjective = w.txtObjective,
                                    .mainWindow = &w.window },
                                  prompter,
                                  [this](double s) {
                                      pauses << s;
                                      if (onPause)
                                          onPause();
                                  } };

        void add(const QString &text)
        {
            w.txtObjective->setText(text);
            editor.addObjective();
        }
        void select(int row) { w.List1->setCurrentRow(row); }
    };

private Q_SLOTS:
    void addKeepsTextAndCounts_data();
    void addKeepsTextAndCounts();
    void addEmptyIsRefused();
    void confirmationShowsThenClears();
    void addDuringPauseIsIgnored();
    void otherCommandsRunDuringPause();
    void countRules_data();
    void countRules();
    void removeWithNothingSelected();
    void doubleClickRemoves_data();
    void doubleClickRemoves();
    void editRefusals_data();
    void editRefusals();
    void editSavesInPlace();
    void editSavesEmptyThenRefusesIt();
    void editDialogClosing_data();
    void editDialogClosing();
    void escapeDoesNothing();
    void oneDialogAtATime();
    void dialogLayout();
    void clearObjectives_data();
    void clearObjectives();
};

void TestObjectivesEditor::addKeepsTextAndCounts_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("count");

    QTest::newRow("one objective") << QStringList { "Destroy the radar" } << "1";
    QTest::newRow("blanks only are kept") << QStringList { "   " } << "1";
    QTest::newRow("same text twice") << QStringList { "Hold", "Hold" } << "2";
    QTest::newRow("markup kept as typed") << QStringList { "<b>Go</b> & \"run\"" } << "1";
}

void TestObjectivesEditor::addKeepsTextAndCounts()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, count);

    Fixture f;
    for (const QString &text : typed)
        f.add(text);
    QCOMPARE(items(f.w.List1), typed);
    QCOMPARE(f.w.Label16->text(), count);
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestObjectivesEditor::addEmptyIsRefused()
{
    Fixture f;
    QVERIFY(f.w.showActive());
    f.w.txtMission->setFocus();
    f.add(QString());

    QCOMPARE(f.prompter.texts(), QStringList { "Must enter objective" });
    QCOMPARE(f.prompter.shown.first().title, QStringLiteral("Error"));
    QCOMPARE(f.prompter.shown.first().icon, Prompter::Icon::Critical);
    QCOMPARE(f.prompter.shown.first().buttons, Prompter::Buttons::Ok);
    QCOMPARE(f.w.List1->count(), 0);
    QCOMPARE(f.w.Label16->text(), QStringLiteral("0"));
    QVERIFY(f.pauses.isEmpty());
    QVERIFY(f.w.txtMission->hasFocus());
}

void TestObjectivesEditor::confirmationShowsThenClears()
{
    Fixture f;
    QVERIFY(f.w.showActive());
    f.w.txtMission->setFocus();
    QString shownDuringPause;
    int itemsDuringPause = -1;
    QString countDuringPause;
    f.onPause = [&] {
        shownDuringPause = f.w.txtObjective->text();
        itemsDuringPause = f.w.List1->count();
        countDuringPause = f.w.Label16->text();
    };
    f.add(QStringLiteral("Rescue the pilot"));

    QCOMPARE(f.pauses, QList<double> { 0.3 });
    QCOMPARE(shownDuringPause, QStringLiteral("Objective Added!"));
    QCOMPARE(itemsDuringPause, 1);
    QCOMPARE(countDuringPause, QStringLiteral("1"));
    QCOMPARE(f.w.txtObjective->text(), QString());
    QVERIFY(f.w.txtObjective->hasFocus());
}

void TestObjectivesEditor::addDuringPauseIsIgnored()
{
    Fixture f;
    bool nested = false;
    f.onPause = [&] {
        if (nested)
            return;
        nested = true;
        // A second click on "Add Objective" while the confirmation shows.
        f.editor.addObjective();
    };
    f.add(QStringLiteral("First"));

    QCOMPARE(items(f.w.List1), QStringList { "First" });
    QCOMPARE(f.w.Label16->text(), QStringLiteral("1"));
    QCOMPARE(f.pauses.size(), 1);
    QVERIFY(f.prompter.shown.isEmpty());

    // The guard ends with the pause: the next add works.
    f.onPause = nullptr;
    f.add(QStringLiteral("Second"));
    QCOMPARE(items(f.w.List1), (QStringList { "First", "Second" }));
    QCOMPARE(f.w.Label16->text(), QStringLiteral("2"));
}

void TestObjectivesEditor::otherCommandsRunDuringPause()
{
    Fixture f;
    f.add(QStringLiteral("Old"));
    f.onPause = [&] {
        f.onPause = nullptr;
        f.select(0);
        f.editor.removeSelected();
    };
    f.add(QStringLiteral("New"));

    QCOMPARE(items(f.w.List1), QStringList { "New" });
    QCOMPARE(f.w.Label16->text(), QStringLiteral("1"));
}

void TestObjectivesEditor::countRules_data()
{
    QTest::addColumn<QString>("steps"); // a = add, r = remove first, c = Clear All's reset
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("items");

    QTest::newRow("add add remove") << "aar"
                                    << "1" << 1;
    QTest::newRow("add remove remove") << "arr"
                                       << "0" << 0;
    QTest::newRow("add after reset") << "aaaca"
                                     << "1" << 1;
    QTest::newRow("many adds") << QString(40, QLatin1Char('a')) << "40" << 40;
}

void TestObjectivesEditor::countRules()
{
    QFETCH(QString, steps);
    QFETCH(QString, count);
    QFETCH(int, items);

    Fixture f;
    int n = 0;
    for (QChar step : steps) {
        if (step == QLatin1Char('a')) {
            f.add(QStringLiteral("Objective %1").arg(++n));
        } else if (step == QLatin1Char('r')) {
            f.select(0);
            f.editor.removeSelected();
        } else {
            f.w.List1->clear();
            f.w.Label16->setText(QStringLiteral("0"));
        }
    }
    QCOMPARE(f.w.Label16->text(), count);
    QCOMPARE(f.w.List1->count(), items);
}

void TestObjectivesEditor::removeWithNothingSelected()
{
    Fixture f;
    f.editor.removeSelected(); // empty list
    f.add(QStringLiteral("A"));
    f.add(QStringLiteral("B"));
    f.w.List1->clearSelection();
    f.editor.removeSelected();

    QCOMPARE(items(f.w.List1), (QStringList { "A", "B" }));
    QCOMPARE(f.w.Label16->text(), QStringLiteral("2"));
    QVERIFY(f.prompter.shown.isEmpty());
}

void TestObjectivesEditor::doubleClickRemoves_data()
{
    QTest::addColumn<bool>("onEmptyPart");
    QTest::newRow("on the item") << false;
    QTest::newRow("on the empty part of the list") << true;
}

void TestObjectivesEditor::doubleClickRemoves()
{
    QFETCH(bool, onEmptyPart);
    Fixture f;
    QVERIFY(f.w.showActive());
    for (const char *text : { "A", "B", "C" })
        f.add(QString::fromLatin1(text));

    const QPoint centre = f.w.List1->visualItemRect(f.w.List1->item(1)).center();
    QTest::mouseClick(f.w.List1->viewport(), Qt::LeftButton, {}, centre);
    const QPoint below(centre.x(), f.w.List1->viewport()->height() - 2);
    QVERIFY(!onEmptyPart || !f.w.List1->itemAt(below));
    const QPoint at = onEmptyPart ? below : centre;
    QTest::mouseClick(f.w.List1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(f.w.List1->viewport(), Qt::LeftButton, {}, at);

    QCOMPARE(items(f.w.List1), (QStringList { "A", "C" }));
    QCOMPARE(f.w.Label16->text(), QStringLiteral("2"));
}

void TestObjectivesEditor::editRefusals_data()
{
    QTest::addColumn<QStringList>("objectives");
    QTest::addColumn<int>("selected");

    QTest::newRow("empty list") << QStringList {} << -1;
    QTest::newRow("nothing selected") << QStringList { "A", "B" } << -1;
}

void TestObjectivesEditor::editRefusals()
{
    QFETCH(QStringList, objectives);
    QFETCH(int, selected);

    Fixture f;
    for (const QString &text : objectives)
        f.add(text);
    f.w.List1->clearSelection();
    if (selected >= 0)
        f.select(selected);
    f.editor.editObjective();

    QCOMPARE(f.prompter.texts(), QStringList { "Please Select An Item To Edit" });
    QCOMPARE(f.prompter.shown.first().title, QStringLiteral("Error"));
    QCOMPARE(f.prompter.shown.first().icon, Prompter::Icon::Critical);
    QVERIFY(!f.editor.editDialog());
    QVERIFY(f.w.window.isEnabled());
}

void TestObjectivesEditor::editSavesInPlace()
{
    Fixture f;
    QVERIFY(f.w.showActive());
    for (const char *text : { "One", "Two", "Three", "Four", "Five" })
        f.add(QString::fromLatin1(text));
    f.select(2);
    f.editor.editObjective();

    frmEditObj *dialog = f.editor.editDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!f.w.window.isEnabled());
    QVERIFY(dialog->isEnabled());
    auto *text = control<QLineEdit>(dialog, "txtEditObj");
    QVERIFY(text->isEnabled());
    QCOMPARE(text->text(), QStringLiteral("Three"));
    QCOMPARE(control<QLabel>(dialog, "lblListIndex")->text(), QStringLiteral("2"));
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTRY_COMPARE(QApplication::focusWidget(), text);

    text->setText(QStringLiteral("Third, changed"));
    QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);

    QCOMPARE(items(f.w.List1), (QStringList { "One", "Two", "Third, changed", "Four", "Five" }));
    QCOMPARE(f.w.Label16->text(), QStringLiteral("5"));
    QVERIFY(f.w.window.isEnabled());
    QTRY_COMPARE(f.w.window.focusWidget(), f.w.List1);
    flushDeletes();
    QVERIFY(!f.editor.editDialog());
}

void TestObjectivesEditor::editSavesEmptyThenRefusesIt()
{
    Fixture f;
    for (const char *text : { "A", "B", "C" })
        f.add(QString::fromLatin1(text));
    f.select(1);
    f.editor.editObjective();
    QVERIFY(f.editor.editDialog());
    control<QLineEdit>(f.editor.editDialog(), "txtEditObj")->clear();
    QTest::mouseClick(control<QPushButton>(f.editor.editDialog(), "Command1"), Qt::LeftButton);
    flushDeletes();
    QCOMPARE(items(f.w.List1), (QStringList { "A", "", "C" }));

    f.select(1);
    f.editor.editObjective();
    QCOMPARE(f.prompter.texts(), QStringList { "Please Select An Item To Edit" });
    QVERIFY(!f.editor.editDialog());

    f.select(1);
    f.editor.removeSelected();
    QCOMPARE(items(f.w.List1), (QStringList { "A", "C" }));
    QCOMPARE(f.w.Label16->text(), QStringLiteral("2"));
}

void TestObjectivesEditor::editDialogClosing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Enter in the text box saves") << "enter"
                                                 << "Edited";
    QTest::newRow("Cancel changes nothing") << "cancel"
                                            << "B";
    QTest::newRow("close control acts as Cancel") << "close"
                                                  << "B";
    QTest::newRow("Enter on the focused Cancel cancels") << "enter on cancel"
                                                         << "B";
}

void TestObjectivesEditor::editDialogClosing()
{
    QFETCH(QString, how);
    QFETCH(QString, expected);

    Fixture f;
    QVERIFY(f.w.showActive());
    for (const char *text : { "A", "B", "C" })
        f.add(QString::fromLatin1(text));
    f.select(1);
    f.w.List1->setFocus();
    f.editor.editObjective();
    frmEditObj *dialog = f.editor.editDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *text = control<QLineEdit>(dialog, "txtEditObj");
    auto *cancel = control<QPushButton>(dialog, "Command2");
    text->setText(QStringLiteral("Edited"));

    if (how == QLatin1String("enter"))
        QTest::keyClick(text, Qt::Key_Return);
    else if (how == QLatin1String("enter on cancel")) {
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    } else if (how == QLatin1String("cancel"))
        QTest::mouseClick(cancel, Qt::LeftButton);
    else
        QVERIFY(dialog->close());

    QCOMPARE(items(f.w.List1), (QStringList { "A", expected, "C" }));
    QCOMPARE(f.w.Label16->text(), QStringLiteral("3"));
    QVERIFY(f.w.window.isEnabled());
    QTRY_COMPARE(f.w.window.focusWidget(), f.w.List1);
    flushDeletes();
    QVERIFY(!f.editor.editDialog());

    // The main window is usable again: the next edit opens a fresh dialog.
    f.select(0);
    f.editor.editObjective();
    QVERIFY(f.editor.editDialog());
    QCOMPARE(control<QLineEdit>(f.editor.editDialog(), "txtEditObj")->text(), QStringLiteral("A"));
    QCOMPARE(control<QLabel>(f.editor.editDialog(), "lblListIndex")->text(), QStringLiteral("0"));
}

void TestObjectivesEditor::escapeDoesNothing()
{
    Fixture f;
    f.add(QStringLiteral("A"));
    f.select(0);
    f.editor.editObjective();
    frmEditObj *dialog = f.editor.editDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *text = control<QLineEdit>(dialog, "txtEditObj");
    text->setText(QStringLiteral("typed"));
    QTest::keyClick(text, Qt::Key_Escape);
    flushDeletes();

    QVERIFY(f.editor.editDialog());
    QVERIFY(dialog->isVisible());
    QCOMPARE(text->text(), QStringLiteral("typed"));
    QVERIFY(!f.w.window.isEnabled());
    QCOMPARE(items(f.w.List1), QStringList { "A" });
}

void TestObjectivesEditor::oneDialogAtATime()
{
    Fixture f;
    f.add(QStringLiteral("A"));
    f.add(QStringLiteral("B"));
    f.select(0);
    f.editor.editObjective();
    frmEditObj *first = f.editor.editDialog();
    f.select(1);
    f.editor.editObjective();

    QCOMPARE(f.editor.editDialog(), first);
    QCOMPARE(control<QLineEdit>(first, "txtEditObj")->text(), QStringLiteral("A"));
    const auto dialogs = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(dialogs.begin(), dialogs.end(),
                           [](QWidget *w) { return qobject_cast<frmEditObj *>(w); }),
             1);
}

void TestObjectivesEditor::dialogLayout()
{
    QListWidget list;
    frmEditObj dialog(&list);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Objective"));
    QCOMPARE(dialog.size(), QSize(312, 89));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags() & Qt::Tool);
    QVERIFY(
        !(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // The position label carries data only and must never be seen.
    QVERIFY(control<QLabel>(&dialog, "lblListIndex")->geometry().top() >= dialog.height());
    auto *text = control<QLineEdit>(&dialog, "txtEditObj");
    auto *save = control<QPushButton>(&dialog, "Command1");
    QVERIFY(save->isDefault());
    QCOMPARE(text->accessibleName(), QStringLiteral("Objective Text"));
    QCOMPARE(text->font().family(), QStringLiteral("Arial Narrow"));
    QCOMPARE(text->nextInFocusChain(), save);
    QCOMPARE(save->nextInFocusChain(), control<QPushButton>(&dialog, "Command2"));
}

void TestObjectivesEditor::clearObjectives_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("itemsAfter");
    QTest::addColumn<QString>("countAfter");

    QTest::newRow("Yes empties the list") << true << 0 << "0";
    QTest::newRow("No changes nothing") << false << 2 << "2";
}

void TestObjectivesEditor::clearObjectives()
{
    QFETCH(bool, yes);
    QFETCH(int, itemsAfter);
    QFETCH(QString, countAfter);

    Fixture f;
    f.add(QStringLiteral("A"));
    f.add(QStringLiteral("B"));
    f.w.txtObjective->setText(QStringLiteral("typed"));
    f.prompter.buttonAnswers << (yes ? Prompter::Button::Yes : Prompter::Button::No);
    f.editor.clearObjectives();

    QCOMPARE(f.prompter.shown.size(), 1);
    const ScriptedPrompter::Shown &box = f.prompter.shown.first();
    QCOMPARE(box.text, QStringLiteral("Are you sure you want to clear all objectives?"));
    QCOMPARE(box.title, QStringLiteral("Clear Objectives?"));
    QCOMPARE(box.icon, Prompter::Icon::Question);
    QCOMPARE(box.buttons, Prompter::Buttons::YesNo);
    QCOMPARE(box.defaultButton, Prompter::Button::Yes);
    QCOMPARE(f.w.List1->count(), itemsAfter);
    QCOMPARE(f.w.Label16->text(), countAfter);
    QCOMPARE(f.w.txtObjective->text(), QStringLiteral("typed"));
}

QTEST_MAIN(TestObjectivesEditor)
#include "tst_objectiveseditor.moc"
