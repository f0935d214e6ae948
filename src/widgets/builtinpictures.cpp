#include "builtinpictures.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QPixmap>

namespace {

QMutex pictureMutex;
QHash<QString, QImage> decodedPictures;

// Under pictureMutex: a thread asking for a picture being decoded waits for it
// instead of decoding it a second time.
QImage decodeLocked(const QString &resource)
{
    const auto found = decodedPictures.constFind(resource);
    if (found != decodedPictures.cend())
        return *found;
    if (!QFile::exists(resource)) {
        decodedPictures.insert(resource, QImage());
        return {};
    }
    // Read as PNG outright: probing the format would ask every picture plugin.
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    QImage picture = reader.read();
    decodedPictures.insert(resource, picture);
    return picture;
}

} // namespace

QImage builtInPicture(const QString &resource)
{
    const QMutexLocker lock(&pictureMutex);
    return decodeLocked(resource);
}

void decodeBuiltInPictures(const QStringList &resources)
{
    for (const QString &resource : resources) {
        const QMutexLocker lock(&pictureMutex);
        (void)decodeLocked(resource);
    }
}

QIcon builtInIcon(const QStringList &resources)
{
    QIcon icon;
    for (const QString &resource : resources) {
        const QImage picture = builtInPicture(resource);
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}
