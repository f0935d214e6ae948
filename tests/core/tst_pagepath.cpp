#include "pagepath.h"

#include <QTest>

class TestPagePath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void joinsFolderAndName_data();
    void joinsFolderAndName();
};

void TestPagePath::joinsFolderAndName_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");

    const auto w = PathStyle::Windows;
    const auto p = PathStyle::Posix;
    const QString ov = QStringLiteral("overview.html");
    const QString br = QStringLiteral("briefing.html");

    QTest::newRow("windows folder gets a backslash")
        << w << "C:\\Missions\\Raid" << ov << "C:\\Missions\\Raid\\overview.html";
    QTest::newRow("windows C root takes no backslash") << w << "C:\\" << ov << "C:\\overview.html";
    QTest::newRow("windows C root, briefing") << w << "C:\\" << br << "C:\\briefing.html";
    QTest::newRow("windows D root is not recognised") << w << "D:\\" << ov << "D:\\\\overview.html";
    QTest::newRow("windows lower-case c root is not recognised")
        << w << "c:\\" << ov << "c:\\\\overview.html";
    QTest::newRow("windows typed trailing backslash is doubled")
        << w << "C:\\Missions\\" << ov << "C:\\Missions\\\\overview.html";
    QTest::newRow("windows root with leading space is not the root")
        << w << " C:\\" << ov << " C:\\\\overview.html";
    QTest::newRow("windows forward slash is not a separator")
        << w << "C:/Missions" << br << "C:/Missions\\briefing.html";
    QTest::newRow("windows empty folder") << w << "" << ov << "\\overview.html";

    QTest::newRow("posix folder gets a slash")
        << p << "/home/m/raid" << ov << "/home/m/raid/overview.html";
    QTest::newRow("posix root takes no slash") << p << "/" << br << "/briefing.html";
    QTest::newRow("posix typed trailing slash is doubled")
        << p << "/home/m/" << ov << "/home/m//overview.html";
    QTest::newRow("posix C root is just a name") << p << "C:\\" << ov << "C:\\/overview.html";
    QTest::newRow("posix empty folder") << p << "" << ov << "/overview.html";
    QTest::newRow("posix folder with spaces kept")
        << p << "/m/Night Raid " << ov << "/m/Night Raid /overview.html";
}

void TestPagePath::joinsFolderAndName()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QCOMPARE(pagePath(folder, fileName, style), expected);
}

QTEST_GUILESS_MAIN(TestPagePath)
#include "tst_pagepath.moc"
