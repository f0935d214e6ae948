#include "draftstore.h"

#include <QDir>
#include <QStandardPaths>

QString draftsLocation()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quillmark/drafts");
#else
    // Qt 6.4 knows no state location of its own.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/quillmark/drafts");
#endif
}
