#include "settingsfile.h"

#include "boundedread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

// Nobody writes a settings file this big; refusing it keeps a stray huge
// file from exhausting memory at start-up.
constexpr qint64 MaxSettingsSize = 256 * 1024 * 1024;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Why a file at this path cannot be created, found by looking at the path
// itself: the errors Qt reports for these cases are often "Unknown error".
QString pathProblem(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("SettingsFile", "a folder is in its place");
    QString parent = info.absolutePath();
    while (!parent.isEmpty()) {
        const QFileInfo p(parent);
        if (p.exists() && !p.isDir())
            return QCoreApplication::translate("SettingsFile", "%1 is a file, not a folder")
                .arg(QDir::toNativeSeparators(parent));
        if (p.isDir())
            break;
        const QString up = p.absolutePath();
        if (up == parent)
            break;
        parent = up;
    }
    if (!QFileInfo(info.absolutePath()).isDir())
        return QCoreApplication::translate("SettingsFile", "the folder %1 does not exist")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return {};
}

QString reasonFor(const QString &path, const QString &errorString)
{
    const QString problem = pathProblem(path);
    if (!problem.isEmpty())
        return problem;
    if (!errorString.isEmpty() && errorString != QLatin1String("Unknown error"))
        return errorString;
    return QCoreApplication::translate("SettingsFile", "the file could not be written");
}

} // namespace

QString lastSettingsField(const QByteArray &content)
{
    const char *p = content.constData();
    const qsizetype n = content.size();
    qsizetype i = 0;
    qsizetype begin = 0;
    qsizetype end = 0;

    while (i < n) {
        while (i < n && p[i] == ' ')
            ++i;
        if (i == n)
            break;
        if (isLineEnd(p[i])) {
            // A blank line holds no field.
            ++i;
            continue;
        }
        qsizetype b = i;
        qsizetype e = i;
        if (p[i] == '"') {
            b = ++i;
            const void *q = std::memchr(p + i, '"', size_t(n - i));
            e = q ? static_cast<const char *>(q) - p : n;
            i = q ? e + 1 : n;
            // Anything between the closing quote and the delimiter is dropped.
            while (i < n && p[i] != ',' && !isLineEnd(p[i]))
                ++i;
        } else {
            while (i < n && p[i] != ',' && !isLineEnd(p[i]))
                ++i;
            e = i;
        }
        begin = b;
        end = e;
        if (i < n)
            i += (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') ? 2 : 1;
    }

    QStringDecoder decoder(QStringConverter::System);
    return decoder.decode(QByteArrayView(p + begin, end - begin));
}

bool settingsCanHold(const QString &folder)
{
    for (const QChar c : folder) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return false;
    }
    return true;
}

QByteArray settingsFileBytes(const QString &folder)
{
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes = "\"";
    bytes += encoder.encode(folder);
    bytes += "\"\r\n";
    return bytes;
}

SettingsRead readSettingsFile(const QString &iniPath)
{
    SettingsRead result;
    QFile file;
    const OpenedFile opened = openRegularFile(iniPath, file);
    switch (opened.kind) {
    case OpenedFile::Kind::Missing:
        result.error = QCoreApplication::translate("SettingsFile", "file not found");
        return result;
    case OpenedFile::Kind::Folder:
        result.error = QCoreApplication::translate("SettingsFile", "it is a folder, not a file");
        return result;
    // A pipe would block start-up and a device may never end.
    case OpenedFile::Kind::Other:
        result.error = QCoreApplication::translate("SettingsFile", "it is not a regular file");
        return result;
    case OpenedFile::Kind::Failed:
        result.error = opened.error;
        return result;
    case OpenedFile::Kind::Regular:
        break;
    }
    result.ok = true;
    // Errors after the file is open are not reported: the value is ignored.
    const std::optional<QByteArray> content = readBounded(file, MaxSettingsSize);
    if (content && content->size() <= MaxSettingsSize)
        result.value = lastSettingsField(*content);
    return result;
}

WriteResult writeSettingsFile(const QString &iniPath, const QString &folder)
{
    if (!settingsCanHold(folder))
        return { false, iniPath,
                 QCoreApplication::translate("SettingsFile",
                                             "the settings file cannot hold a folder whose path "
                                             "holds a double quote or a line break") };
    // Where the program's folder refuses new files but the file itself is
    // writable, it is written in place rather than not at all.
    WriteResult result = writeFileAtomically(iniPath, settingsFileBytes(folder), true);
    if (!result.ok)
        result.reason = reasonFor(iniPath, result.reason);
    return result;
}
