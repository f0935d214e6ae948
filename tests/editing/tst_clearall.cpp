#include "clearall.h"
#include "editingwindow.h"
#include "multilinetext.h"
#include "objectiveseditor.h"
#include "scriptedprompter.h"

#include <QTest>

namespace {

struct Snapshot
{
    QString mission, overview, notes, briefing, objective, count, endHeader, picWidth, directory;
    QStringList objectives;
    QWidget *focus = nullptr;

    explicit Snapshot(const EditingWindow &w)
        : mission(w.txtMission->text())
        , overview(crlfText(w.txtOverview))
        , notes(crlfText(w.txtHeader))
        , briefing(crlfText(w.txtBriefing))
        , objective(w.txtObjective->text())
        , count(w.Label16->text())
        , endHeader(w.txtEnd1Header->text())
        , picWidth(w.txtPicWidth->text())
        , directory(w.txtDirectory->text())
        , focus(QApplication::focusWidget())
    {
        for (int i = 0; i < w.List1->count(); ++i)
            objectives << w.List1->item(i)->text();
    }
};

ClearAllFields fieldsOf(EditingWindow &w)
{
    return { w.txtMission, w.txtOverview, w.txtBriefing, w.txtHeader, w.Label16, w.List1 };
}

void fill(EditingWindow &w)
{
    w.txtMission->setText(QStringLiteral("Operation Dawn"));
    setCrlfText(w.txtOverview, QStringLiteral("Overview\r\nline two"));
    setCrlfText(w.txtHeader, QStringLiteral("Notes<br>\r\n"));
    setCrlfText(w.txtBriefing, QStringLiteral("Briefing <a href=\"marker:x\">x</a>"));
    w.List1->addItems({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
    w.Label16->setText(QStringLiteral("3"));
    w.txtObjective->setText(QStringLiteral("not yet added"));
    w.txtEnd1Header->setText(QStringLiteral("Edited ending"));
    w.txtPicWidth->setText(QStringLiteral("128"));
}

} // namespace

class TestClearAll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answer_data();
    void answer();
    void thenAddCountsFromOne();
};

void TestClearAll::answer_data()
{
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("yes");

    QTest::newRow("No on a filled mission") << true << false;
    QTest::newRow("Yes on a filled mission") << true << true;
    QTest::newRow("Yes on an empty mission") << false << true;
}

void TestClearAll::answer()
{
    QFETCH(bool, filled);
    QFETCH(bool, yes);

    EditingWindow w;
    QVERIFY(w.showActive());
    if (filled)
        fill(w);
    w.txtEnd1Header->setFocus();
    const Snapshot before(w);

    ScriptedPrompter prompter;
    prompter.buttonAnswers << (yes ? Prompter::Button::Yes : Prompter::Button::No);
    clearAll(fieldsOf(w), prompter);

    QCOMPARE(prompter.shown.size(), 1);
    const ScriptedPrompter::Shown &box = prompter.shown.first();
    QCOMPARE(box.text, QStringLiteral("Are you sure you want to clear ALL fields?"));
    QCOMPARE(box.title, QStringLiteral("Clear All?"));
    QCOMPARE(box.icon, Prompter::Icon::Question);
    QCOMPARE(box.buttons, Prompter::Buttons::YesNo);
    QCOMPARE(box.defaultButton, Prompter::Button::Yes);

    const Snapshot after(w);
    if (yes) {
        QCOMPARE(after.mission, QString());
        QCOMPARE(after.overview, QString());
        QCOMPARE(after.notes, QString());
        QCOMPARE(after.briefing, QString());
        QCOMPARE(after.count, QStringLiteral("0"));
        QCOMPARE(after.objectives, QStringList());
    } else {
        QCOMPARE(after.mission, before.mission);
        QCOMPARE(after.overview, before.overview);
        QCOMPARE(after.notes, before.notes);
        QCOMPARE(after.briefing, before.briefing);
        QCOMPARE(after.count, before.count);
        QCOMPARE(after.objectives, before.objectives);
    }
    QCOMPARE(after.objective, before.objective);
    QCOMPARE(after.endHeader, before.endHeader);
    QCOMPARE(after.picWidth, before.picWidth);
    QCOMPARE(after.directory, before.directory);
    QCOMPARE(after.focus, before.focus);
}

void TestClearAll::thenAddCountsFromOne()
{
    EditingWindow w;
    fill(w);
    ScriptedPrompter prompter;
    ObjectivesEditor editor({ w.List1, w.Label16, w.txtObjective, &w.window }, prompter,
                            [](double) {});
    prompter.buttonAnswers << Prompter::Button::Yes;
    clearAll(fieldsOf(w), prompter);
    editor.addObjective();

    QCOMPARE(w.Label16->text(), QStringLiteral("1"));
    QCOMPARE(w.List1->count(), 1);
    QCOMPARE(w.List1->item(0)->text(), QStringLiteral("not yet added"));
}

QTEST_MAIN(TestClearAll)
#include "tst_clearall.moc"
