#pragma once

#include <QRect>

#include <initializer_list>

class QWidget;

// The window layouts are written in twips, as the forms were drawn:
// 15 twips make one pixel at 96 dots per inch.
namespace Twips {

inline constexpr int perPixel = 15;

[[nodiscard]] int toPixels(int twips);
// Rounds the edges rather than the sizes, so that controls that touch in
// twips still touch in pixels.
[[nodiscard]] QRect toPixels(int left, int top, int width, int height);

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

// Places every row of a table. A tab page's rows are written relative to the
// whole tabbed container, tab strip included; `shiftUp` moves them onto the
// page below Qt's tab bar.
void place(std::initializer_list<Place> table, int shiftUp = 0);

} // namespace Twips
