#pragma once

#include <QByteArray>
#include <QString>

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
