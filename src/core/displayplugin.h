#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Qt's X11 display plugin, loaded before the program starts its second thread.
//
// Qt loads the display plugin and the libraries it needs inside the
// application's constructor, and loading a library changes the protection of
// its pages. While a second thread of the program runs on another processor,
// every such change interrupts that processor and waits for it; under a
// hypervisor each wait costs tens of microseconds. Start-up reads the font
// configuration on a second thread from its first moment, so the plugin is
// loaded just before, whenever it is certain which file Qt will load.

// The plugin file Qt will load, given the program's arguments, its
// environment (read through environment) and Qt's plugin folder: empty when
// the arguments or the environment may choose another platform or another
// plugin folder, when no display is named, or when pluginsPath is empty.
[[nodiscard]] QString displayPluginFile(const QStringList &arguments,
                                        const std::function<QString(const char *)> &environment,
                                        const QString &pluginsPath);

// Loads that file now, on Linux, when there is one and no qt.conf beside the
// program may move Qt's plugins; a file that does not load is left for Qt to
// report.
void loadDisplayPluginAhead(const QStringList &arguments);
