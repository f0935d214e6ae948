#include "displayplugin.h"
#include "startupheap.h"

#include <QFile>
#include <QHash>
#include <QTest>

#include <algorithm>
#include <vector>

#ifdef QUILLMARK_HUGE_HEAP
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

class TestStartupAhead : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosesOnlyTheCertainPlugin_data();
    void choosesOnlyTheCertainPlugin();
    void heapGrowsIntoAnUntouchedAdvisedRange();
};

void TestStartupAhead::choosesOnlyTheCertainPlugin_data()
{
    QTest::addColumn<QString>("environment"); // NAME=value pairs, split at spaces
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("loaded");
    const QStringList none;
    QTest::newRow("a display") << "DISPLAY=:0" << none << true;
    QTest::newRow("xcb, options") << "DISPLAY=:0 QT_QPA_PLATFORM=xcb:nograb" << none << true;
    QTest::newRow("offscreen") << "DISPLAY=:0 QT_QPA_PLATFORM=offscreen" << none << false;
    QTest::newRow("xcb second") << "DISPLAY=:0 QT_QPA_PLATFORM=wayland;xcb" << none << false;
    QTest::newRow("wayland") << "DISPLAY=:0 XDG_SESSION_TYPE=wayland" << none << false;
    QTest::newRow("no display") << "XDG_SESSION_TYPE=x11" << none << false;
    QTest::newRow("plugin path") << "DISPLAY=:0 QT_PLUGIN_PATH=/p" << none << false;
    QTest::newRow("qpa path") << "DISPLAY=:0 QT_QPA_PLATFORM_PLUGIN_PATH=/p" << none << false;
    QTest::newRow("-platform") << "DISPLAY=:0" << QStringList { "-platform", "xcb" } << false;
    QTest::newRow("--platformpluginpath")
        << "DISPLAY=:0" << QStringList { "--platformpluginpath", "/p" } << false;
}

void TestStartupAhead::choosesOnlyTheCertainPlugin()
{
    QFETCH(QString, environment);
    QFETCH(QStringList, arguments);
    QFETCH(bool, loaded);
    QHash<QString, QString> variables;
    for (const QString &pair : environment.split(QLatin1Char(' ')))
        variables.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    const auto lookUp
        = [&variables](const char *name) { return variables.value(QString::fromLatin1(name)); };
    QCOMPARE(displayPluginFile(arguments, lookUp, QStringLiteral("/qt")),
             loaded ? QStringLiteral("/qt/platforms/libqxcb.so") : QString());
    QVERIFY(displayPluginFile(arguments, lookUp, QString()).isEmpty());
}

void TestStartupAhead::heapGrowsIntoAnUntouchedAdvisedRange()
{
#ifndef QUILLMARK_HUGE_HEAP
    QSKIP("only glibc's own heap is grown ahead");
#else
    // Made first: what is allocated afterwards comes from the range.
    std::vector<unsigned char> resident(2048);
    QFile maps(QStringLiteral("/proc/self/smaps"));
    const HugePageRange range = growHeapIntoHugePages();
    const auto pages = range.size / std::size_t(sysconf(_SC_PAGESIZE));
    QVERIFY(range.size >= 2 << 20 && pages <= resident.size());
    // A page touched before the advice keeps the kernel from backing its
    // 2 MiB with one huge page.
    QCOMPARE(mincore(range.start, range.size, resident.data()), 0);
    QVERIFY(std::none_of(resident.begin(), resident.begin() + qsizetype(pages),
                         [](unsigned char page) { return page & 1; }));

    // New blocks are carved from the heap's top, which now ends the filler.
    const char *top = static_cast<char *>(sbrk(0)) - mallinfo2().keepcost;
    QVERIFY(top < range.start && top + 64 >= range.start);
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray smaps = maps.readAll();
    const qsizetype at = smaps.indexOf('\n' + QByteArray::number(quintptr(range.start), 16) + '-');
    const qsizetype flags = smaps.indexOf("VmFlags:", at);
    QVERIFY(at >= 0 && flags > at);
    QVERIFY(smaps.mid(flags, smaps.indexOf('\n', flags) - flags).contains(" hg"));
#endif
}

QTEST_GUILESS_MAIN(TestStartupAhead)
#include "tst_startupahead.moc"
