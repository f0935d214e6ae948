#include "placement.h"

#include <QWidget>

namespace Twips {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(left, top, width, height));
}

void place(std::initializer_list<Place> table, int shiftUp)
{
    for (const Place &row : table)
        place(row.widget, row.left, row.top - shiftUp, row.width, row.height);
}

} // namespace Twips
