#pragma once

#include <QImage>
#include <QString>

class QUrl;

// The pictures the page preview shows, loaded only from regular files of
// bounded size and dimensions, each decoded once per file and modification
// time into one cache of bounded total size, shared by every page and every
// address that names the same file. Safe to use from any thread.
namespace PreviewPictures {

inline constexpr qint64 maxFileBytes = qint64(64) << 20;
inline constexpr qint64 maxPixels = 100'000'000;

// The picture a page's address names, taken relative to the page's folder as
// the game does; a null image for anything that is not a picture in a
// regular file within the bounds.
[[nodiscard]] QImage load(const QUrl &address, const QString &pageFolder);
// Where the game looks for a picture source: a relative one is taken from
// the page's folder, `..` cleaned.
[[nodiscard]] QString resolve(const QString &pictureSource, const QString &pageFolder);
// The picture in a file.
[[nodiscard]] QImage loadFile(const QString &path);

// Cache limit in bytes of decoded pictures; pictures in use stay alive in
// the pages that show them.
void setCacheLimit(qint64 bytes);
void clearCache();

} // namespace PreviewPictures
