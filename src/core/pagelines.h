#pragma once

#include "missionfield.h"

struct MissionBrief;

// Where a field lands in the pages: which page, and the line (from 0) of the
// page's text that holds the given line of the field.
struct PageLine
{
    enum class Page { Overview, Briefing };

    Page page = Page::Overview;
    int line = 0;

    bool operator==(const PageLine &) const = default;
};

// What the place of a field's lines depends on: how many lines the
// multi-line fields before it hold, and how many objectives there are.
struct PageShape
{
    int overviewLines = 1;
    int notesLines = 1;
    int briefingLines = 1;
    int objectives = 0;

    [[nodiscard]] static PageShape of(const MissionBrief &brief);
};

// `lineInField` is the line of a multi-line field, from 0. The save folder is
// shown by the picture's line, which it resolves.
[[nodiscard]] PageLine fieldPageLine(const PageShape &shape, FieldRef field, int lineInField = 0);
