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

namespace {

// Splits off what makes a path absolute ("/", a drive "C:" or a Windows
// network "//") and cleans the rest, so ".." never climbs above that root.
QString cleaned(QString path, PathStyle style, bool *absolute = nullptr)
{
    QString root;
    if (style == PathStyle::Windows) {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (path.size() > 1 && path[1] == QLatin1Char(':') && path[0].isLetter())
            root = path.left(2);
        else if (path.startsWith(QLatin1String("//")))
            root = QStringLiteral("/");
        path.remove(0, root.size());
    }
    if (absolute)
        *absolute = !root.isEmpty() || path.startsWith(QLatin1Char('/'));
    return path.isEmpty() ? root : root + QDir::cleanPath(path);
}

// The cleaned folder with one "/" after it, so a name compares by whole folders.
QString folderPrefix(const QString &folder, PathStyle style)
{
    QString prefix = cleaned(folder, style);
    if (!prefix.endsWith(QLatin1Char('/')))
        prefix += QLatin1Char('/');
    return prefix;
}

} // namespace

QString pictureFile(const QString &pictureSource, const QString &saveFolder, PathStyle style)
{
    bool absolute = false;
    const QString source = cleaned(pictureSource, style, &absolute);
    if (source.isEmpty() || absolute || saveFolder.isEmpty())
        return source;
    return cleaned(folderPrefix(saveFolder, style) + source, style);
}

bool isInsideFolder(const QString &pictureSource, const QString &saveFolder, PathStyle style)
{
    if (saveFolder.isEmpty())
        return false;
    const QString folder = folderPrefix(saveFolder, style);
    const QString file = pictureFile(pictureSource, saveFolder, style);
    return file.size() > folder.size()
        && file.startsWith(folder,
                           style == PathStyle::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive);
}
