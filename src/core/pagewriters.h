#pragma once

#include "atomicwrite.h"
#include "pagepath.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

struct MissionBrief;

// A long text read a piece at a time from where it lives: the pieces, in
// order, are the text, and no piece ends inside a surrogate pair.
using TextPieces = std::function<void(const std::function<void(QStringView)> &)>;

// Where a page takes its long texts from: a field given pieces is read from
// them, and the record's text for it is not used.
struct LongTexts
{
    TextPieces overview;
    TextPieces notes;
    TextPieces briefing;
};

// The exact bytes of each page: every line ends in CR LF, fields go in
// verbatim (a multi-line field keeps its own line breaks), and the text is
// encoded by encodePageText().
[[nodiscard]] QByteArray overviewPageBytes(const MissionBrief &brief);
[[nodiscard]] QByteArray briefingPageBytes(const MissionBrief &brief);

enum class Page { Overview, Briefing };

// Writes a page into a new file beside its own in brief.saveFolder; the
// page is replaced when the file is committed.
[[nodiscard]] AtomicFile writePageBeside(Page page, const MissionBrief &brief,
                                         PathStyle style = nativePathStyle(),
                                         const LongTexts &texts = {});

// Writes a page into brief.saveFolder. The page is replaced atomically: if
// anything fails, an existing page is left exactly as it was.
[[nodiscard]] WriteResult writeOverviewPage(const MissionBrief &brief,
                                            PathStyle style = nativePathStyle());
[[nodiscard]] WriteResult writeBriefingPage(const MissionBrief &brief,
                                            PathStyle style = nativePathStyle());
