#pragma once

#include <QByteArrayView>

struct MissionBrief;

// Splits a page written by the writers into its fields by the bytes of its
// frame rather than by its lines, so that a one-line field may hold line
// breaks of its own. Where a field's text looks like the frame around it, a
// split is chosen that writes back the same bytes. Fills the page's fields
// of brief only when the whole frame is found.
[[nodiscard]] bool splitOverviewPage(QByteArrayView page, MissionBrief &brief);
[[nodiscard]] bool splitBriefingPage(QByteArrayView page, MissionBrief &brief);
