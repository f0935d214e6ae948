#pragma once

#include "missionbrief.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Where a page read back breaks the frame the writers give it.
struct PageProblem
{
    enum class Page { Overview, Briefing } page = Page::Overview;
    int line = 0; // counted from 1, as an editor shows it
    QString expected; // what should stand there, as the user reads it
    QString found; // the start of the line that stands there; empty past the end

    bool operator==(const PageProblem &) const = default;
};

struct MissionPages
{
    // All fields but saveFolder. A page that is missing or has a problem
    // leaves its fields at their starting values.
    MissionBrief brief;
    QList<PageProblem> problems;
    bool hasOverview = false;
    bool hasBriefing = false;
};

// The inverse of overviewPageBytes() and briefingPageBytes(): writing what
// was read gives the very bytes that were read. Pages edited by hand may
// have LF or mixed line ends, a UTF-8 byte-order mark and trailing blanks
// on the fixed lines. Pages handed over whole (moved in) are given back as
// their multi-line fields are decoded, so the bytes and the text of a large
// field are not both held whole.
[[nodiscard]] MissionPages readMissionPages(std::optional<QByteArray> overviewBytes,
                                            std::optional<QByteArray> briefingBytes);

// "briefing.html, line 17: expected </h6>"
[[nodiscard]] QString describeProblem(const PageProblem &problem);
