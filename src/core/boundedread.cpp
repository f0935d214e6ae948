#include "boundedread.h"

#include <QFile>

std::optional<QByteArray> readBounded(QFile &file, qint64 limit)
{
    QByteArray bytes;
    char chunk[1 << 16];
    while (bytes.size() <= limit) {
        const qint64 n = file.read(chunk, qMin<qint64>(sizeof chunk, limit + 1 - bytes.size()));
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        bytes.append(chunk, n);
    }
    return bytes;
}
