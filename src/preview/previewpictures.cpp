#include "previewpictures.h"

#include "boundedread.h"
#include "pagepath.h"

#include <QBuffer>
#include <QCache>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMutex>
#include <QUrl>

#include <cstdlib>
#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What identifies one picture on disk, whatever address names it.
struct FileKey
{
    quint64 device = 0;
    quint64 inode = 0;
    QString path; // where the system has no inodes
    qint64 modified = 0;
    qint64 size = 0;

    bool operator==(const FileKey &) const = default;
};

size_t qHash(const FileKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.device, key.inode, key.path, key.modified, key.size);
}

// An open picture file and what identifies it.
struct PictureFile
{
    FileKey key;
    std::unique_ptr<QFile> file = std::make_unique<QFile>();
};

// Opens without blocking (a FIFO would wait for a writer) and checks what was
// opened, not a name that may have been swapped meanwhile.
std::optional<PictureFile> openRegularFile(const QString &path, qint64 limit)
{
    PictureFile picture;
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    picture.file->setFileName(path);
    if (!info.isFile() || info.size() > limit || !picture.file->open(QIODevice::ReadOnly))
        return std::nullopt;
    picture.key
        = { 0, 0, info.canonicalFilePath(), info.lastModified().toMSecsSinceEpoch(), info.size() };
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > limit
        || !picture.file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    picture.key = { quint64(st.st_dev),
                    quint64(st.st_ino),
                    {},
                    qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                    qint64(st.st_size) };
#endif
    return picture;
}

QImage decode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    // A top-down BMP reports a negative height.
    if (size.width() <= 0 || size.height() == 0
        || qint64(size.width()) * std::abs(size.height()) > PreviewPictures::maxPixels)
        return {};
    reader.setAllocationLimit(int(PreviewPictures::maxPixels * 4 / (1 << 20)) + 1);
    return reader.read();
}

struct Cache
{
    QMutex mutex;
    // Cost in KiB of decoded picture.
    QCache<FileKey, QImage> pictures { 256 * 1024 };
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

QString sourceOf(const QUrl &url)
{
    if (url.isLocalFile())
        return url.toLocalFile();
    // A drive letter reads as a scheme of one letter.
    const QString path = url.path(QUrl::FullyDecoded);
    if (url.scheme().size() == 1)
        return url.scheme() + QLatin1Char(':') + path;
    return url.scheme().isEmpty() ? path : QString();
}

} // namespace

namespace PreviewPictures {

QString resolve(const QString &pictureSource, const QString &pageFolder)
{
    return QDir::cleanPath(pictureFile(pictureSource, pageFolder));
}

QImage loadFile(const QString &path)
{
    // ":" names the program's own resources to Qt, never a mission's file.
    if (path.isEmpty() || path.startsWith(QLatin1Char(':')))
        return {};
    std::optional<PictureFile> picture = openRegularFile(path, maxFileBytes);
    if (!picture)
        return {};
    Cache &shared = cache();
    {
        const QMutexLocker lock(&shared.mutex);
        if (const QImage *known = shared.pictures.object(picture->key))
            return *known;
    }
    const std::optional<QByteArray> bytes = readBounded(*picture->file, maxFileBytes);
    if (!bytes || bytes->size() > maxFileBytes)
        return {};
    const QImage image = decode(*bytes);
    if (!image.isNull()) {
        const QMutexLocker lock(&shared.mutex);
        shared.pictures.insert(picture->key, new QImage(image),
                               qMax<qsizetype>(1, image.sizeInBytes() / 1024));
    }
    return image;
}

QImage load(const QUrl &address, const QString &pageFolder)
{
    // Inline data, network addresses and anything else with a scheme of its
    // own are never fetched.
    const QString source = sourceOf(address);
    if (source.isEmpty())
        return {};
    return loadFile(resolve(source, pageFolder));
}

void setCacheLimit(qint64 bytes)
{
    const QMutexLocker lock(&cache().mutex);
    cache().pictures.setMaxCost(qMax<qint64>(1, bytes / 1024));
}

void clearCache()
{
    const QMutexLocker lock(&cache().mutex);
    cache().pictures.clear();
}

} // namespace PreviewPictures
