#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFile;

// Reads an open file to its end in chunks, but never more than one byte past
// `limit`: a size read beforehand cannot be trusted, the file may grow. More
// than `limit` bytes back means the file is too large. Nothing on a read error.
[[nodiscard]] std::optional<QByteArray> readBounded(QFile &file, qint64 limit);

// A file read from a folder others can change is opened first, without
// waiting (a pipe or a device would block), and only then checked on what
// was opened: checking the name first would let a pipe be swapped in between.
struct OpenedFile
{
    enum class Kind { Regular, Missing, Folder, Other, Failed };
    Kind kind = Kind::Failed;
    qint64 size = 0; // of a regular file, when it was opened
    QString error; // why it could not be opened (Failed)
};

// Opens path into file for reading when it is a regular file (or a link to
// one); anything else is closed again and only named.
[[nodiscard]] OpenedFile openRegularFile(const QString &path, QFile &file);
