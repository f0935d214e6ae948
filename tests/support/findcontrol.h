#pragma once

#include <QObject>
#include <QString>

// A window's control found by its objectName, as the tests of every window
// find them; a missing control ends the run.
template<typename T> T *control(const QObject *window, const char *name)
{
    auto *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}
