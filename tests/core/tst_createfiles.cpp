#include "createfiles.h"
#include "missionbrief.h"
#include "pagewriters.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Result = CreateFilesOutcome::Result;
using Button = Prompter::Button;

namespace {

const QString question = QStringLiteral(
    "You haven't entered any mission objectives\rAre you sure you want to continue?");
const QString nameMissing = QStringLiteral("Please Enter Mission Name.");
const QString widthOdd = QStringLiteral("Width must be even number");
const QString heightOdd = QStringLiteral("Height must be even number");
const QString created = QStringLiteral("Files Created!");
const QByteArray oldPage = "old page\r\n";

// Every box the command shows has the title, icon and buttons its text calls for.
void verifyBox(const ScriptedPrompter::Shown &box)
{
    QVERIFY(!box.isInput);
    if (box.text == question) {
        QCOMPARE(box.title, QStringLiteral("Continue?"));
        QCOMPARE(box.icon, Prompter::Icon::Question);
        QCOMPARE(box.buttons, Prompter::Buttons::YesNo);
    } else if (box.text == created) {
        QCOMPARE(box.title, QStringLiteral("File Generator"));
        QCOMPARE(box.icon, Prompter::Icon::Information);
        QCOMPARE(box.buttons, Prompter::Buttons::Ok);
    } else {
        QVERIFY2(box.text == nameMissing || box.text == widthOdd || box.text == heightOdd,
                 qPrintable(box.text));
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.icon, Prompter::Icon::Critical);
        QCOMPARE(box.buttons, Prompter::Buttons::Ok);
    }
}

} // namespace

class TestCreateFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checksInOrder_data();
    void checksInOrder();
    void widthFollowsTheLocale_data();
    void widthFollowsTheLocale();
};

void TestCreateFiles::checksInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("objectives");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QList<Button>>("answers");
    QTest::addColumn<QStringList>("expectedBoxes");
    QTest::addColumn<Result>("result");
    QTest::addColumn<std::optional<FieldRef>>("field");

    const QStringList one { QStringLiteral("Take the bridge") };
    const QStringList two { QStringLiteral("A"), QStringLiteral("B") };
    const QList<Button> none;
    const QList<Button> yes { Button::Yes };
    const QList<Button> no { Button::No };
    const std::optional<FieldRef> noField, name { { MissionField::MissionName } },
        width { { MissionField::PictureWidth } }, height { { MissionField::PictureHeight } };

    QTest::newRow("empty name stops first, whatever else is filled")
        << "" << two << "2"
        << "171"
        << "65" << none << QStringList { nameMissing } << Result::CheckFailed << name;
    QTest::newRow("empty name with no objectives asks nothing")
        << "" << QStringList() << "0"
        << "170"
        << "64" << none << QStringList { nameMissing } << Result::CheckFailed << name;
    QTest::newRow("name of one space passes")
        << " " << one << "1"
        << "170"
        << "64" << none << QStringList { created } << Result::Written << noField;
    QTest::newRow("no objectives, answer No")
        << "Raid" << QStringList() << "0"
        << "170"
        << "64" << no << QStringList { question } << Result::Declined << noField;
    QTest::newRow("no objectives, answer Yes skips an odd width")
        << "Raid" << QStringList() << "0"
        << "171"
        << "65" << yes << QStringList { question, created } << Result::Written << noField;
    QTest::newRow("no objectives, answer Yes skips an empty width")
        << "Raid" << QStringList() << "0"
        << ""
        << "" << yes << QStringList { question, created } << Result::Written << noField;
    QTest::newRow("count is read as a number")
        << "Raid" << QStringList() << "00"
        << "170"
        << "64" << no << QStringList { question } << Result::Declined << noField;
    QTest::newRow("count not 0 with an empty list skips the question")
        << "Raid" << QStringList() << "1"
        << "170"
        << "64" << none << QStringList { created } << Result::Written << noField;
    QTest::newRow("odd width, height not looked at")
        << "Raid" << two << "2"
        << "171"
        << "65" << none << QStringList { widthOdd } << Result::CheckFailed << width;
    QTest::newRow("odd height") << "Raid" << two << "2"
                                << "170"
                                << "65" << none << QStringList { heightOdd } << Result::CheckFailed
                                << height;
    QTest::newRow("width not whole")
        << "Raid" << two << "2"
        << "170.5"
        << "64" << none << QStringList { widthOdd } << Result::CheckFailed << width;
    QTest::newRow("width 0 passes")
        << "Raid" << one << "1"
        << "0"
        << "64" << none << QStringList { created } << Result::Written << noField;
    QTest::newRow("width 600 passes")
        << "Raid" << one << "1"
        << "600"
        << "64" << none << QStringList { created } << Result::Written << noField;
    QTest::newRow("even decimal width passes")
        << "Raid" << one << "1"
        << "170.0"
        << "64" << none << QStringList { created } << Result::Written << noField;
    QTest::newRow("empty width fails its check")
        << "Raid" << one << "1"
        << ""
        << "64" << none << QStringList { widthOdd } << Result::CheckFailed << width;
    QTest::newRow("non-numeric width fails its check")
        << "Raid" << one << "1"
        << "abc"
        << "64" << none << QStringList { widthOdd } << Result::CheckFailed << width;
    QTest::newRow("infinite width fails its check")
        << "Raid" << one << "1"
        << "inf"
        << "64" << none << QStringList { widthOdd } << Result::CheckFailed << width;
    QTest::newRow("empty height fails its check")
        << "Raid" << one << "1"
        << "170"
        << "" << none << QStringList { heightOdd } << Result::CheckFailed << height;
    QTest::newRow("non-numeric height fails its check")
        << "Raid" << one << "1"
        << "170"
        << "6x" << none << QStringList { heightOdd } << Result::CheckFailed << height;
}

void TestCreateFiles::checksInOrder()
{
    QFETCH(QString, name);
    QFETCH(QStringList, objectives);
    QFETCH(QString, count);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QList<Button>, answers);
    QFETCH(QStringList, expectedBoxes);
    QFETCH(Result, result);
    QFETCH(std::optional<FieldRef>, field);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString overview = dir.filePath(QStringLiteral("overview.html"));
    const QString briefing = dir.filePath(QStringLiteral("briefing.html"));
    QVERIFY(writeFile(overview, oldPage));
    QVERIFY(writeFile(briefing, oldPage));

    MissionBrief brief;
    brief.missionName = name;
    brief.objectives = objectives;
    brief.objectiveCount = count;
    brief.pictureWidth = width;
    brief.pictureHeight = height;
    brief.saveFolder = dir.path();
    const MissionBrief before = brief;

    ScriptedPrompter prompter;
    for (Button answer : answers)
        prompter.buttonAnswers.enqueue(answer);

    const CreateFilesOutcome outcome = createFiles(brief, prompter, PathStyle::Posix);

    QCOMPARE(prompter.texts(), expectedBoxes);
    for (const ScriptedPrompter::Shown &box : prompter.shown)
        verifyBox(box);
    QVERIFY(prompter.buttonAnswers.isEmpty());
    QCOMPARE(outcome.result, result);
    QVERIFY(outcome.field == field);
    QCOMPARE(brief, before);

    if (result == Result::Written) {
        QCOMPARE(readFile(overview), overviewPageBytes(brief));
        QCOMPARE(readFile(briefing), briefingPageBytes(brief));
        QVERIFY(readFile(overview).contains(QByteArray(
            "width=\"" + width.toLatin1() + "\" height=\"" + height.toLatin1() + "\"></p>\r\n")));
    } else {
        QCOMPARE(readFile(overview), oldPage);
        QCOMPARE(readFile(briefing), oldPage);
    }
}

void TestCreateFiles::widthFollowsTheLocale_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("shown");
    QTest::newRow("decimal comma") << "4,0" << created;
    QTest::newRow("odd with decimal comma") << "3,0" << widthOdd;
    QTest::newRow("group separator") << QStringLiteral("1\u00a0000") << widthOdd;
}

void TestCreateFiles::widthFollowsTheLocale()
{
    QFETCH(QString, width);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    MissionBrief brief;
    brief.missionName = QStringLiteral("Raid");
    brief.pictureWidth = width;
    brief.objectiveCount = QStringLiteral("1");
    brief.saveFolder = dir.path();
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    ScriptedPrompter prompter;
    static_cast<void>(createFiles(brief, prompter, PathStyle::Posix));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(prompter.texts(), QStringList { shown });
}

QTEST_GUILESS_MAIN(TestCreateFiles)
#include "tst_createfiles.moc"
