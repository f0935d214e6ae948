#pragma once

#include "pagereader.h"

#include <QString>
#include <QStringList>

struct MissionFolderRead
{
    MissionPages pages;
    // One text per page that is there but could not be read: its path and why.
    QStringList errors;

    // Neither page is in the folder, not even as something unreadable.
    [[nodiscard]] bool noPages() const
    {
        return !pages.hasOverview && !pages.hasBriefing && errors.isEmpty();
    }
};

inline constexpr qint64 maxPageSize = qint64(64) << 20;
// The longest text a field can bring from a page: the one-line boxes hold it
// whole (a line box cuts at 32,767 characters unless told otherwise).
inline constexpr int maxFieldLength = int(maxPageSize);

// Reads overview.html and briefing.html from folder without changing them.
// Only regular files (or links to them) of at most sizeLimit bytes are read,
// so a folder, a pipe or a device in a page's place is refused, never opened.
[[nodiscard]] MissionFolderRead readMissionFolder(const QString &folder,
                                                  qint64 sizeLimit = maxPageSize);
