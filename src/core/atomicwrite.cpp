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

AtomicFile::AtomicFile(const QString &path, const ContentWriter &write, bool inPlaceFallback)
    : m_file(std::make_unique<QSaveFile>(QDir::fromNativeSeparators(path)))
{
    QSaveFile &file = *m_file;
    file.setDirectWriteFallback(inPlaceFallback);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        m_written = failure(path, errno, file);
        return;
    }
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
        m_written = failure(path, error, file);
        return;
    }
    startWriteBack(file);
    m_written = { true, path, {} };
}

AtomicFile::AtomicFile(AtomicFile &&) noexcept = default;
AtomicFile &AtomicFile::operator=(AtomicFile &&) noexcept = default;
AtomicFile::~AtomicFile() = default;

WriteResult AtomicFile::commit()
{
    if (!m_written.ok)
        return m_written;
    errno = 0;
    if (!m_file->commit())
        return failure(m_written.path, errno, *m_file);
    return m_written;
}

WriteResult writeFileAtomicallyWith(const QString &path, const ContentWriter &write,
                                    bool inPlaceFallback)
{
    return AtomicFile(path, write, inPlaceFallback).commit();
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
