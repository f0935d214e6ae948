#pragma once

#include "twips.h"

#include <initializer_list>

class QWidget;

namespace Twips {

// One row of a placement table: a control and its left, top, width and
// height in twips, relative to its container.
struct Place
{
    QWidget *widget;
    int left;
    int top;
    int width;
    int height;
};

void place(QWidget *widget, int left, int top, int width, int height);

// Places every row of a table. A tab page's rows are written relative to the
// whole tabbed container, tab strip included; `shiftUp` moves them onto the
// page below Qt's tab bar.
void place(std::initializer_list<Place> table, int shiftUp = 0);

} // namespace Twips
