#pragma once

#include "pagepath.h"

#include <QByteArray>
#include <QString>

struct MissionBrief;

// The exact bytes of each page: every line ends in CR LF, fields go in
// verbatim (a multi-line field keeps its own line breaks), and the text is
// encoded by encodePageText().
[[nodiscard]] QByteArray overviewPageBytes(const MissionBrief &brief);
[[nodiscard]] QByteArray briefingPageBytes(const MissionBrief &brief);

struct PageWriteResult
{
    bool ok = true;
    QString path; // the page's path as built by pagePath()
    QString reason; // why the page could not be written; empty when ok
};

// Writes a page into brief.saveFolder. The page is replaced atomically: if
// anything fails, an existing page is left exactly as it was.
[[nodiscard]] PageWriteResult writeOverviewPage(const MissionBrief &brief,
                                                PathStyle style = nativePathStyle());
[[nodiscard]] PageWriteResult writeBriefingPage(const MissionBrief &brief,
                                                PathStyle style = nativePathStyle());

// Writes bytes to path atomically, as the page writers do.
[[nodiscard]] PageWriteResult writePageFile(const QString &path, const QByteArray &bytes);
