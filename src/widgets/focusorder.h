#pragma once

#include <QList>

class QWidget;

// Moves the focus one step along a fixed list of controls, skipping hidden,
// disabled and unfocusable ones and wrapping at both ends. Qt's own focus
// chain treats a tabbed container as one compound widget; a window whose Tab
// order interleaves the pages' controls steps through its list with this.
// False when the focus is not in the list at all.
[[nodiscard]] bool stepFocus(const QList<QWidget *> &order, QWidget *window, bool next);

// The widget that takes the focus for a control: a compound control is
// reached through its focusable part.
[[nodiscard]] QWidget *focusTarget(QWidget *control);
