#include "displayplugin.h"

#include <QFileInfo>
#include <QLibrary>
#include <QLibraryInfo>

QString displayPluginFile(const QStringList &arguments,
                          const std::function<QString(const char *)> &environment,
                          const QString &pluginsPath)
{
    for (const QString &argument : arguments) {
        const QString option
            = argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
        if (option == QLatin1String("-platform") || option == QLatin1String("-platformpluginpath"))
            return {};
    }
    if (pluginsPath.isEmpty() || environment("DISPLAY").isEmpty()
        || !environment("QT_PLUGIN_PATH").isEmpty()
        || !environment("QT_QPA_PLATFORM_PLUGIN_PATH").isEmpty())
        return {};
    // Qt tries the platforms of the list in turn; a name may carry options after a colon.
    const QString platforms = environment("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        if (environment("XDG_SESSION_TYPE") == QLatin1String("wayland"))
            return {};
    } else if (platforms.section(QLatin1Char(';'), 0, 0).section(QLatin1Char(':'), 0, 0)
               != QLatin1String("xcb")) {
        return {};
    }
    return pluginsPath + QLatin1String("/platforms/libqxcb.so");
}

void loadDisplayPluginAhead(const QStringList &arguments)
{
#ifdef Q_OS_LINUX
    // A qt.conf beside the program is read only once the application exists.
    const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (programDir.isEmpty() || QFileInfo::exists(programDir + QLatin1String("/qt.conf")))
        return;
    const QString file = displayPluginFile(
        arguments, [](const char *name) { return qEnvironmentVariable(name); },
        QLibraryInfo::path(QLibraryInfo::PluginsPath));
    if (!file.isEmpty())
        QLibrary(file).load();
#else
    Q_UNUSED(arguments);
#endif
}
