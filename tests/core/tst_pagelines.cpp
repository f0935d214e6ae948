#include "missionbrief.h"
#include "pageencoding.h"
#include "pagelines.h"
#include "pagewriters.h"

#include <QTest>

// Each field's line, found through the shape of the record, is the page line
// that holds that field's text.
class TestPageLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldLineHoldsItsText_data();
    void fieldLineHoldsItsText();
};

void TestPageLines::fieldLineHoldsItsText_data()
{
    QTest::addColumn<MissionField>("field");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("lineInField");
    QTest::addColumn<QString>("text");

    QTest::newRow("mission name") << MissionField::MissionName << 1 << 0 << "Raid";
    QTest::newRow("picture width") << MissionField::PictureWidth << 1 << 0 << "pic.bmp";
    QTest::newRow("overview, third line") << MissionField::Overview << 1 << 2 << "ov3";
    QTest::newRow("overview, past its end") << MissionField::Overview << 1 << 9 << "ov3";
    QTest::newRow("notes, second line") << MissionField::Notes << 1 << 1 << "no2";
    QTest::newRow("briefing, first line") << MissionField::Briefing << 1 << 0 << "br1";
    QTest::newRow("briefing, fourth line") << MissionField::Briefing << 1 << 3 << "br4";
    QTest::newRow("first objective") << MissionField::Objective << 1 << 0 << "obA";
    QTest::newRow("third objective") << MissionField::Objective << 3 << 0 << "obC";
    QTest::newRow("end 1 header") << MissionField::EndHeader << 1 << 0 << "he1";
    QTest::newRow("end 6 description") << MissionField::EndDescription << 6 << 0 << "de6";
}

void TestPageLines::fieldLineHoldsItsText()
{
    QFETCH(MissionField, field);
    QFETCH(int, index);
    QFETCH(int, lineInField);
    QFETCH(QString, text);

    MissionBrief brief;
    brief.missionName = QStringLiteral("Raid");
    brief.pictureSource = QStringLiteral("pic.bmp");
    brief.overviewText = QStringLiteral("ov1\r\nov2\r\nov3");
    brief.notesText = QStringLiteral("no1<br>\r\nno2");
    brief.briefingText = QStringLiteral("br1\r\nbr2\r\n\r\nbr4<br>");
    brief.objectives = { QStringLiteral("obA"), QStringLiteral("obB"), QStringLiteral("obC") };
    for (int i = 0; i < 6; ++i)
        brief.endings[std::size_t(i)]
            = { QStringLiteral("he%1").arg(i + 1), QStringLiteral("de%1").arg(i + 1) };

    const PageLine at = fieldPageLine(PageShape::of(brief), { field, index }, lineInField);
    const QByteArray bytes
        = at.page == PageLine::Page::Overview ? overviewPageBytes(brief) : briefingPageBytes(brief);
    const QStringList lines = decodePageText(bytes).split(QStringLiteral("\r\n"));
    QVERIFY(at.line < lines.size());
    QVERIFY2(lines[at.line].contains(text), qPrintable(lines[at.line]));
}

QTEST_GUILESS_MAIN(TestPageLines)
#include "tst_pagelines.moc"
