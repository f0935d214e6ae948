#include "builtinpictures.h"
#include "folderlist.h"
#include "installedfonts.h"

#include <QFontDatabase>
#include <QTest>
#include <QThread>

#include <memory>

class TestStartupResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontFamilyInstalledAgreesWithQt();
    void builtInPicturesDecodeOnceAcrossThreads();
};

void TestStartupResources::fontFamilyInstalledAgreesWithQt()
{
    const QStringList families = QFontDatabase::families();
    QVERIFY(!families.isEmpty());
    for (QString family : families) {
        // Qt names a family found at two foundries "Family [Foundry]".
        family = family.section(QStringLiteral(" ["), 0, 0);
        QVERIFY2(fontFamilyInstalled(family), qPrintable(family));
        QVERIFY2(fontFamilyInstalled(family.toUpper()), qPrintable(family));
    }
    QVERIFY(!fontFamilyInstalled(QStringLiteral("No Such Family Anywhere 7")));
}

void TestStartupResources::builtInPicturesDecodeOnceAcrossThreads()
{
    const QStringList resources = FolderList::pictures();
    QCOMPARE(resources.size(), 4);
    // A second thread decodes them while this one asks for them.
    const std::unique_ptr<QThread> ahead(
        QThread::create([resources] { decodeBuiltInPictures(resources); }));
    ahead->start();
    for (const QString &resource : resources) {
        const QImage picture = builtInPicture(resource);
        QVERIFY2(!picture.isNull(), qPrintable(resource));
        QCOMPARE(picture, QImage(resource));
    }
    ahead->wait();
    for (const QString &resource : resources)
        QCOMPARE(builtInPicture(resource).cacheKey(), builtInPicture(resource).cacheKey());
    QVERIFY(builtInPicture(QStringLiteral(":/no/such/picture.png")).isNull());
}

QTEST_MAIN(TestStartupResources)
#include "tst_startupresources.moc"
