#include "pagepath.h"

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
