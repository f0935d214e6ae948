#include "twips.h"

#include <QWidget>

#include <cmath>

namespace Twips {

int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / perPixel));
}

QRect toPixels(int left, int top, int width, int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

void place(std::initializer_list<Place> table, int shiftUp)
{
    for (const Place &row : table)
        row.widget->setGeometry(toPixels(row.left, row.top - shiftUp, row.width, row.height));
}

} // namespace Twips
