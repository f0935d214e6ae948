#pragma once

#include "atomicwrite.h"
#include "pagepath.h"

#include <QByteArray>
#include <QString>

struct MissionBrief;

// The exact bytes of each page: every line ends in CR LF, fields go in
// verbatim (a multi-line field keeps its own line breaks), and the text is
// encoded by encodePageText().
[[nodiscard]] QByteArray overviewPageBytes(const MissionBrief &brief);
[[nodiscard]] QByteArray briefingPageBytes(const MissionBrief &brief);

// Writes a page into brief.saveFolder. The page is replaced atomically: if
// anything fails, an existing page is left exactly as it was.
[[nodiscard]] WriteResult writeOverviewPage(const MissionBrief &brief,
                                            PathStyle style = nativePathStyle());
[[nodiscard]] WriteResult writeBriefingPage(const MissionBrief &brief,
                                            PathStyle style = nativePathStyle());
