#pragma once

#include <QImage>
#include <QSize>
#include <QString>

struct PictureInfo
{
    bool ok = false;
    QSize size;
    QString error;
};

// The picture's size in pixels, read from its header alone.
[[nodiscard]] PictureInfo measurePicture(const QString &path);

// The picture decoded straight to boxSize (stretched), decoding no more than
// the box shows where the format allows it. A null image on failure, with the
// reason in *error.
[[nodiscard]] QImage loadScaledPicture(const QString &path, QSize boxSize, QString *error);

// The picture at full size; fails with a reason when it is unreadable or too
// large to decode within Qt's image allocation limit.
[[nodiscard]] QImage loadFullPicture(const QString &path, QString *error);
