#include "picturemeasure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace {

// QImageReader reports a folder or a missing file as "Unknown error"; name the
// real reason instead.
QString missingReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("PictureMeasure", "The file does not exist.");
    if (info.isDir())
        return QCoreApplication::translate("PictureMeasure", "It is a folder, not a picture file.");
    if (info.size() == 0)
        return QCoreApplication::translate("PictureMeasure", "The file is empty.");
    return {};
}

QString readerError(const QString &path, const QImageReader &reader)
{
    const QString missing = missingReason(path);
    if (!missing.isEmpty())
        return missing;
    if (reader.error() == QImageReader::UnknownError || reader.errorString().isEmpty())
        return QCoreApplication::translate("PictureMeasure",
                                           "The file is not a readable BMP, GIF or JPEG picture.");
    return reader.errorString();
}

// Qt refuses to decode a picture whose pixels would pass its allocation limit.
bool tooLarge(QSize size)
{
    const int limitMb = QImageReader::allocationLimit();
    if (limitMb <= 0 || size.width() <= 0 || size.height() == 0)
        return false;
    const double bytes = 4.0 * size.width() * qAbs(size.height());
    return bytes > double(limitMb) * 1024 * 1024;
}

QImage readImage(QImageReader &reader, const QString &path, QString *error)
{
    QImage image;
    if (const QString missing = missingReason(path); !missing.isEmpty()) {
        if (error)
            *error = missing;
        return {};
    }
    const QSize target = reader.scaledSize().isValid() ? reader.scaledSize() : reader.size();
    if (!reader.read(&image) || image.isNull()) {
        if (error)
            *error = tooLarge(target)
                ? QCoreApplication::translate("PictureMeasure",
                                              "The picture is too large to show at full "
                                              "size (%1 x %2 pixels).")
                      .arg(target.width())
                      .arg(qAbs(target.height()))
                : readerError(path, reader);
        return {};
    }
    return image;
}

} // namespace

PictureInfo measurePicture(const QString &path)
{
    if (const QString missing = missingReason(path); !missing.isEmpty())
        return { false, {}, missing };
    QImageReader reader(path);
    if (!reader.canRead())
        return { false, {}, readerError(path, reader) };
    const QSize header = reader.size();
    if (header.width() > 0 && header.height() != 0) {
        // A top-down BMP stores its height as a negative number.
        return { true, QSize(header.width(), qAbs(header.height())), {} };
    }
    // A format that keeps its size out of the header has to be decoded.
    QString error;
    const QImage image = readImage(reader, path, &error);
    if (image.isNull())
        return { false, {}, error };
    return { true, image.size(), {} };
}

QImage loadScaledPicture(const QString &path, QSize boxSize, QString *error)
{
    QImageReader reader(path);
    if (boxSize.isValid() && !boxSize.isEmpty())
        reader.setScaledSize(boxSize);
    return readImage(reader, path, error);
}

QImage loadFullPicture(const QString &path, QString *error)
{
    QImageReader reader(path);
    return readImage(reader, path, error);
}
