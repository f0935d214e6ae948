#include "displayplugin.h"

#include <QHash>
#include <QTest>

class TestDisplayPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosesOnlyTheCertainPlugin_data();
    void choosesOnlyTheCertainPlugin();
};

void TestDisplayPlugin::choosesOnlyTheCertainPlugin_data()
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

void TestDisplayPlugin::choosesOnlyTheCertainPlugin()
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

QTEST_GUILESS_MAIN(TestDisplayPlugin)
#include "tst_displayplugin.moc"
