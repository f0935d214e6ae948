#include "settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr auto fileName = QLatin1String("Varnholt.ini");

} // namespace

QString settingsFileLocation(const QString &programDir)
{
#ifdef Q_OS_WIN
    // The per-user application-data folder, %APPDATA%\Quillmark once the
    // application is named.
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#else
    // Named after the executable, as Linux programs name their folders, not
    // after the application title.
    const QString configDir
        = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/quillmark");
#endif
    return settingsFileLocation(programDir, configDir, [](const QString &path) {
        // Opening is the only test that sees Windows' access lists; nothing
        // is written.
        QFile file(path);
        return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
    });
}

QString settingsFileLocation(const QString &programDir, const QString &configDir,
                             const std::function<bool(const QString &)> &isWritable)
{
    const QString beside = programDir + QLatin1Char('/') + fileName;
    const bool shippedBeside = QFileInfo(beside).isFile();
    if (shippedBeside && isWritable(beside))
        return beside;

    const QString own = configDir + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(own))
        return own;

    const QString shared
        = QDir::cleanPath(programDir + QStringLiteral("/../share/quillmark/") + fileName);
    const QString shipped = shippedBeside ? beside : shared;
    if (!QFileInfo(shipped).isFile())
        return beside;
    // The shipped file may be read-only; the user's copy must not be.
    if (QDir().mkpath(configDir) && QFile::copy(shipped, own)) {
        QFile::setPermissions(
            own, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return own;
    }
    // Without a copy of its own the user still gets the program, whose
    // save-folder press then reports that the file cannot be written.
    return shipped;
}

QString programConfigFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/quillmark/quillmark.conf");
}
