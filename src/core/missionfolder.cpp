#include "missionfolder.h"

#include "boundedread.h"
#include "pagepath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <optional>

namespace {

struct PageFile
{
    std::optional<QByteArray> bytes;
    QString error;
};

PageFile readPageFile(const QString &folder, const QString &name, qint64 sizeLimit)
{
    const QString path = QDir::fromNativeSeparators(pagePath(folder, name));
    const QString shown = QDir::toNativeSeparators(path);
    const QString tooLarge
        = QCoreApplication::translate("MissionFolder", "%1 is larger than %2.")
              .arg(shown, QLocale::c().formattedDataSize(sizeLimit, 0, QLocale::DataSizeIecFormat));
    QFile file;
    const OpenedFile opened = openRegularFile(path, file);
    switch (opened.kind) {
    case OpenedFile::Kind::Missing:
        return {};
    case OpenedFile::Kind::Folder:
    case OpenedFile::Kind::Other:
        return {
            std::nullopt,
            QCoreApplication::translate("MissionFolder", "%1 is not a regular file.").arg(shown)
        };
    case OpenedFile::Kind::Failed:
        return { std::nullopt,
                 QCoreApplication::translate("MissionFolder", "%1 cannot be read: %2")
                     .arg(shown, opened.error) };
    case OpenedFile::Kind::Regular:
        break;
    }
    if (opened.size > sizeLimit)
        return { std::nullopt, tooLarge };
    const std::optional<QByteArray> bytes = readBounded(file, sizeLimit);
    if (!bytes)
        return { std::nullopt,
                 QCoreApplication::translate("MissionFolder", "%1 cannot be read: %2")
                     .arg(shown, file.errorString()) };
    if (bytes->size() > sizeLimit)
        return { std::nullopt, tooLarge };
    return { bytes, {} };
}

} // namespace

MissionFolderRead readMissionFolder(const QString &folder, qint64 sizeLimit)
{
    PageFile overview = readPageFile(folder, QStringLiteral("overview.html"), sizeLimit);
    PageFile briefing = readPageFile(folder, QStringLiteral("briefing.html"), sizeLimit);
    MissionFolderRead read;
    read.pages = readMissionPages(std::move(overview.bytes), std::move(briefing.bytes));
    for (const PageFile *page : { &overview, &briefing }) {
        if (!page->error.isEmpty())
            read.errors.append(page->error);
    }
    return read;
}
