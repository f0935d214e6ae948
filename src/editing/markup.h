#pragma once

#include <QString>

// The pieces of markup "Add Linebreak" and "Insert Marker" append to the
// notes and the briefing.
[[nodiscard]] QString lineBreakMarkup();
[[nodiscard]] QString markerMarkup(const QString &markerName, const QString &clickText);
