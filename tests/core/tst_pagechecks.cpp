#include "missionbrief.h"
#include "pagechecks.h"
#include "pagemarkup.h"

#include <QTest>

namespace {

QStringList described(const QList<MarkupProblem> &problems)
{
    static const char *const kinds[] = { "open", "unopened", "unfinished", "unnamed" };
    QStringList out;
    for (const MarkupProblem &p : problems)
        out.append(QLatin1String(kinds[int(p.kind)]) + QLatin1Char(' ') + p.tag
                   + QStringLiteral(" @%1-%2").arg(p.from).arg(p.to));
    return out;
}

QStringList described(const QList<Finding> &findings)
{
    QStringList out;
    for (const Finding &f : findings)
        out.append(findingLine(f) + QStringLiteral(" @%1-%2").arg(f.from).arg(f.to));
    return out;
}

} // namespace

class TestPageChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markup_data();
    void markup();
    void startingRecordIsClean();
    void refusals_data();
    void refusals();
    void picture_data();
    void picture();
    void fieldsAreNamed();
    void objectives();
    void formOrder();
};

void TestPageChecks::markup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QStringList none;
    QTest::newRow("less-than before a blank, a digit, the end") << "a < b, x<3 <" << none;
    QTest::newRow("void and unknown tags") << "<br><BR><br/><hr><img src=\"x\"><blink>" << none;
    QTest::newRow("nested, any case")
        << "<B><i>x</I><font color=red>y</font></b><h6>t</H6>" << none;
    QTest::newRow("named marker, quoted >") << " <a href=\"marker:c>1\" x='<b>'>camp</a>" << none;
    QTest::newRow("tags inside a comment") << "<!-- <b> --><p>x</p>" << none;
    QTest::newRow("never closed") << "<b>x<b>y</b>" << QStringList { "open b @0-3" };
    QTest::newRow("the first of its name left open")
        << "<i>a</i> <i>b <I class=x>c</i>" << QStringList { "open i @9-12" };
    QTest::newRow("never opened, any case")
        << "<P>x</h1></h1>" << QStringList { "open p @0-3", "unopened h1 @4-9" };
    QTest::newRow("unfinished tag at the end") << "text <b" << QStringList { "unfinished <b @5-6" };
    QTest::newRow("unfinished anchor, to the line end")
        << "<a href=\"x\"\r\nmore" << QStringList { "unfinished <a href=\"x\" @0-1" };
    QTest::newRow("unclosed quote")
        << "<a href=\"x>t</a>" << QStringList { "unfinished <a href=\"x>t</a> @0-1" };
    QTest::newRow("unfinished closing and comment")
        << "<p>x</" << QStringList { "open p @0-3", "unfinished </ @4-5" };
    QTest::newRow("unnamed marker, as Cancel writes it")
        << " <a href=\"marker:\"></a><a href=marker:>x</a>" << QStringList { "unnamed a @1-19" };
}

void TestPageChecks::markup()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(described(markupProblems(text)), expected);
}

void TestPageChecks::startingRecordIsClean()
{
    MissionBrief brief;
    brief.missionName = QStringLiteral("Night Raid");
    brief.saveFolder = QStringLiteral("/m/raid");
    brief.pictureSource = QStringLiteral("/m/raid/raid.jpg");
    brief.briefingText = QStringLiteral(
        "Cross at <a href=\"marker:dawn\">dawn</a><br>\r\n\u017Elu\u0165ou\u010Dk\u00FD");
    brief.objectives = QStringList { "Take the bridge", "Hold it" };
    brief.objectiveCount = QStringLiteral("2");
    QCOMPARE(described(checkMission(brief, PictureFacts { true }, PathStyle::Posix)),
             QStringList());
}

void TestPageChecks::refusals_data()
{
    QTest::addColumn<QStringList>("nameCountWidthHeight");
    QTest::addColumn<QStringList>("expected");
    const QString name = QStringLiteral("Mission Name: Please Enter Mission Name. @0-0");
    const QString width = QStringLiteral("Picture Width: Width must be even number @0-3");
    const QString height = QStringLiteral("Picture Height: Height must be even number @0-0");
    QTest::newRow("no name, no objectives")
        << QStringList { "", "0", "171", "65" } << QStringList { name };
    QTest::newRow("both sizes") << QStringList { "", "2", "171", "" }
                                << QStringList { name, width, height };
    QTest::newRow("one space, 0, 600") << QStringList { " ", "1", "0", "600" } << QStringList();
}

void TestPageChecks::refusals()
{
    QFETCH(QStringList, nameCountWidthHeight);
    QFETCH(QStringList, expected);
    MissionBrief brief;
    brief.missionName = nameCountWidthHeight[0];
    brief.objectiveCount = nameCountWidthHeight[1];
    brief.pictureWidth = nameCountWidthHeight[2];
    brief.pictureHeight = nameCountWidthHeight[3];
    QCOMPARE(described(refusalFindings(brief)), expected);
}

void TestPageChecks::picture_data()
{
    QTest::addColumn<QStringList>("sourceFolder");
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("expected");
    const auto posix = PathStyle::Posix;
    const auto windows = PathStyle::Windows;
    QTest::newRow("none chosen") << QStringList { "/m/pics", "/m" } << posix << false << "broken";
    QTest::newRow("inside") << QStringList { "/m/a/b.gif", "/m" } << posix << true << "";
    QTest::newRow("root folder") << QStringList { "/b.gif", "/" } << posix << true << "";
    QTest::newRow("same start") << QStringList { "/m2/b.gif", "/m" } << posix << true << "outside";
    QTest::newRow("Posix case") << QStringList { "/M/b.gif", "/m" } << posix << true << "outside";
    QTest::newRow("Windows case") << QStringList { "c:/m/b.bmp", "C:\\M" } << windows << true << "";
    QTest::newRow("typed backslash")
        << QStringList { "C:\\M\\b", "C:\\M\\" } << windows << true << "";
    QTest::newRow("relative") << QStringList { "pics/b.gif", "/m" } << posix << true << "";
    QTest::newRow("relative, leaving the folder")
        << QStringList { "../b.gif", "/m" } << posix << true << "outside";
    QTest::newRow("no save folder")
        << QStringList { "C:\\M\\b", "" } << windows << true << "outside";
    QTest::newRow("out and in") << QStringList { "../m/b.gif", "/m" } << posix << true << "";
    QTest::newRow("in and out") << QStringList { "a/../../b", "/m" } << posix << true << "outside";
    QTest::newRow("dot segments") << QStringList { "./a/./b", "/m/./" } << posix << true << "";
    QTest::newRow("up") << QStringList { "/m/../e/b", "/m" } << posix << true << "outside";
    QTest::newRow("sibling") << QStringList { "../m2/b", "/m" } << posix << true << "outside";
    QTest::newRow("Win up") << QStringList { "..\\M2\\b", "C:\\M" } << windows << true << "outside";
}

void TestPageChecks::picture()
{
    QFETCH(QStringList, sourceFolder);
    QFETCH(PathStyle, style);
    QFETCH(bool, readable);
    QFETCH(QString, expected);
    MissionBrief brief;
    brief.pictureSource = sourceFolder[0];
    brief.saveFolder = sourceFolder[1];
    const QList<Finding> findings = pictureFindings(brief, PictureFacts { readable }, style);
    QCOMPARE(findings.size(), expected.isEmpty() ? 0 : 1);
    if (!findings.isEmpty()) {
        QVERIFY(findings[0].text.contains(expected));
        QCOMPARE(findings[0].severity == Finding::Severity::Warning, !readable);
    }
}

void TestPageChecks::fieldsAreNamed()
{
    MissionBrief brief;
    brief.objectives = QStringList { "ok", QStringLiteral("<b>\u2603\u2603 \u2713 \U0001F600") };
    brief.endings[2].description = QStringLiteral("x</i>");
    const QList<Finding> findings = markupFindings(brief) + characterFindings(brief);
    QCOMPARE(findings.size(), 3);
    QCOMPARE(findings[0].fieldName, QStringLiteral("Objective 2"));
    QCOMPARE(findings[0].field, (FieldRef { MissionField::Objective, 2 }));
    QCOMPARE(findings[1].fieldName, QStringLiteral("End 3 Description"));
    QCOMPARE(findings[1].field, (FieldRef { MissionField::EndDescription, 3 }));
    QVERIFY(findings[2].text.contains(QStringLiteral(": \u2603 \u2713 \U0001F600. ")));
    QVERIFY(findings[2].text.contains(QStringLiteral("&#9731;")));
    QCOMPARE(findings[2].from, 3); // the first character the page cannot hold
    brief = {};
    brief.overviewText = QStringLiteral("a\U0001F600\u2603");
    const Finding surrogates = characterFindings(brief).value(0);
    QCOMPARE(std::pair(surrogates.from, surrogates.to), std::pair(1, 3));
}

void TestPageChecks::objectives()
{
    MissionBrief brief;
    brief.objectives = QStringList { "Hold", "", "Hold", " ", "hold", "Hold" };
    brief.objectiveCount = QStringLiteral("6");
    QCOMPARE(described(objectiveFindings(brief)),
             QStringList({ "Objective 2: This objective is empty: edit it or remove it. @0-0",
                           "Objective 3: Repeats objective 1: the page lists it twice. @0-4",
                           "Objective 4: This objective is empty: edit it or remove it. @0-1",
                           "Objective 6: Repeats objective 1: the page lists it twice. @0-4" }));
}

// Fields in the order the window shows them, endings last; in a field, by place.
void TestPageChecks::formOrder()
{
    MissionBrief brief;
    brief.endings[1].description = QStringLiteral("</b>");
    brief.endings[0] = { QStringLiteral("<i>"), QStringLiteral("\u2603") };
    brief.objectives = QStringList { "x", "" };
    brief.briefingText = QStringLiteral("\u2603 <b>");
    brief.notesText = QStringLiteral("<b>");
    QStringList fields;
    for (const Finding &f : checkMission(brief, PictureFacts { false }, PathStyle::Posix))
        fields.append(QStringLiteral("%1 %2").arg(int(f.severity)).arg(f.fieldName));
    QCOMPARE(fields,
             QStringList({ "0 Mission Name", "1 Picture", "1 Mission Notes", "2 Mission Briefing",
                           "1 Mission Briefing", "2 ", "1 Objective 2", "1 End 1 Header",
                           "2 End 1 Description", "1 End 2 Description" }));
}

QTEST_GUILESS_MAIN(TestPageChecks)
#include "tst_pagechecks.moc"
