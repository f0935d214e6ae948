#include "pagepath.h"

#include <QDir>

PathStyle nativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

QString pagePath(const QString &folder, const QString &fileName, PathStyle style)
{
    const bool windows = style == PathStyle::Windows;
    const QString root = windows ? QStringLiteral("C:\\") : QStringLiteral("/");
    if (folder == root)
        return folder + fileName;
    return folder + (windows ? QLatin1Char('\\') : QLatin1Char('/')) + fileName;
}

QString pictureFile(const QString &pictureSource, const QString &saveFolder)
{
    const QString source = QDir::fromNativeSeparators(pictureSource);
    if (source.isEmpty() || QDir::isAbsolutePath(source) || saveFolder.isEmpty())
        return source;
    return QDir(QDir::fromNativeSeparators(saveFolder)).filePath(source);
}
