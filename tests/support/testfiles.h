#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QString>

// A file's bytes, or none where it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

[[nodiscard]] inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Deletes the windows that closed with deleteLater() or WA_DeleteOnClose.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The process starts as from a shell with no display at all, in English.
inline void withoutDisplay(QProcess &process)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        env.remove(name);
    process.setProcessEnvironment(env);
}

// Whether a program started with LC_ALL=locale speaks that locale's language:
// on Windows it speaks the user's language, whatever the environment says.
inline bool speaksLanguageOf(const QString &locale)
{
#ifdef Q_OS_WIN
    const QLocale::Language wanted = QLocale(locale).language();
    return QLocale::system().language() == (wanted == QLocale::C ? QLocale::English : wanted);
#else
    Q_UNUSED(locale);
    return true;
#endif
}

// The root drive as the drive list shows it: "/" or "C:\".
inline QString rootDrive()
{
    return QDir::toNativeSeparators(QDir::rootPath());
}
