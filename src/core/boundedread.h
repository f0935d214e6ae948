#pragma once

#include <QByteArray>

#include <optional>

class QFile;

// Reads an open file to its end in chunks, but never more than one byte past
// `limit`: a size read beforehand cannot be trusted, the file may grow. More
// than `limit` bytes back means the file is too large. Nothing on a read error.
[[nodiscard]] std::optional<QByteArray> readBounded(QFile &file, qint64 limit);
