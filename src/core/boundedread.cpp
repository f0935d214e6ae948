#include "boundedread.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

std::optional<QByteArray> readBounded(QFile &file, qint64 limit)
{
    QByteArray bytes;
    // A regular file's size is known: one allocation instead of a doubling
    // buffer keeps the peak near the file's size.
    bytes.reserve(qMin(file.size(), limit) + 1);
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

#ifdef Q_OS_WIN

// Pipes live in a namespace of their own and cannot take a page's place; a
// device opened by name is a sequential file.
OpenedFile openRegularFile(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return { OpenedFile::Kind::Missing, 0, {} };
    if (info.isDir())
        return { OpenedFile::Kind::Folder, 0, {} };
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return { OpenedFile::Kind::Failed, 0, file.errorString() };
    if (file.isSequential()) {
        file.close();
        return { OpenedFile::Kind::Other, 0, {} };
    }
    return { OpenedFile::Kind::Regular, file.size(), {} };
}

#else

OpenedFile openRegularFile(const QString &path, QFile &file)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat link
        {
        };
        // A link to nothing is there, but is no file.
        if (error == ENOENT && ::lstat(name.constData(), &link) != 0)
            return { OpenedFile::Kind::Missing, 0, {} };
        if (error == ENOENT)
            return { OpenedFile::Kind::Other, 0, {} };
        return { OpenedFile::Kind::Failed, 0, QString::fromLocal8Bit(std::strerror(error)) };
    }
    struct stat opened
    {
    };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        const bool folder = S_ISDIR(opened.st_mode);
        ::close(fd);
        return { folder ? OpenedFile::Kind::Folder : OpenedFile::Kind::Other, 0, {} };
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return { OpenedFile::Kind::Failed, 0, file.errorString() };
    }
    return { OpenedFile::Kind::Regular, qint64(opened.st_size), {} };
}

#endif
