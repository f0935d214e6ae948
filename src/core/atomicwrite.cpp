#include "atomicwrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

// errorString() may say only "Unknown error"; the system's own reason is
// better where there is one.
WriteResult failure(const QString &path, int error, const QFileDevice &file)
{
    QString reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
    if (reason.isEmpty())
        reason = QCoreApplication::translate("AtomicWrite", "Unknown error");
    return { false, path, reason };
}

} // namespace

WriteResult writeFileAtomicallyWith(const QString &path, const ContentWriter &write,
                                    bool inPlaceFallback)
{
    QSaveFile file(QDir::fromNativeSeparators(path));
    file.setDirectWriteFallback(inPlaceFallback);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, errno, file);

    // A failed write must never be committed: commit() can report success
    // after a short write and put a truncated file in place of the old one.
    errno = 0;
    bool good = write(file);
    int error = errno;
    if (good) {
        errno = 0;
        good = file.flush();
        error = errno;
    }
    good = good && file.error() == QFileDevice::NoError;
    if (!good) {
        file.cancelWriting();
        file.commit();
        return failure(path, error, file);
    }
    errno = 0;
    if (!file.commit())
        return failure(path, errno, file);
    return { true, path, {} };
}

WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes, bool inPlaceFallback)
{
    return writeFileAtomicallyWith(
        path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); },
        inPlaceFallback);
}

void startWriteBack([[maybe_unused]] QIODevice &file)
{
#ifdef Q_OS_LINUX
    auto *device = qobject_cast<QFileDevice *>(&file);
    if (!device || device->handle() < 0 || !device->flush())
        return;
    // Only a hint: a failure shows, if at all, in the sync that follows.
    const int saved = errno;
    (void)::sync_file_range(device->handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
    errno = saved;
#endif
}
