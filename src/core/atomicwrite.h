#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QSaveFile;

// The outcome of writing a file; a default one is a failure.
struct WriteResult
{
    bool ok = false;
    QString path; // the file's path as given
    QString reason; // why it could not be written; empty when ok
};

// Replaces the file at `path` with `bytes` atomically: on any failure the old
// file is left exactly as it was. `inPlaceFallback` writes the file in place
// where its folder refuses new files but the file itself is writable.
[[nodiscard]] WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes,
                                              bool inPlaceFallback = false);

// Writes the content of a file into the open file; false when a write fell
// short, with errno telling why where the system gave a reason.
using ContentWriter = std::function<bool(QIODevice &file)>;

// As writeFileAtomically(), with the content written piece by piece, so that
// a large file never needs to stand whole in memory.
[[nodiscard]] WriteResult writeFileAtomicallyWith(const QString &path, const ContentWriter &write,
                                                  bool inPlaceFallback = false);

// The same in two steps: the content is written into a new file beside the
// one at `path` when made, and the disk starts on it; commit() puts it in
// place. Dropped without a commit, the new file is removed and the old one
// left as it was.
class AtomicFile
{
public:
    AtomicFile(const QString &path, const ContentWriter &write, bool inPlaceFallback = false);
    AtomicFile(AtomicFile &&) noexcept;
    AtomicFile &operator=(AtomicFile &&) noexcept;
    ~AtomicFile();

    // How writing the content went; a failure is final.
    [[nodiscard]] const WriteResult &written() const { return m_written; }
    // Puts the file in place once its content is written; else says why not.
    [[nodiscard]] WriteResult commit();

private:
    std::unique_ptr<QSaveFile> m_file;
    WriteResult m_written;
};

// Asks the system to start putting on the disk what a file being written
// holds so far, without waiting for it: the sync that ends an atomic write
// then waits only for the rest. Does nothing where the system cannot.
void startWriteBack(QIODevice &file);
