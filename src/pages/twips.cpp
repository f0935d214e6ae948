#include "twips.h"

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

} // namespace Twips
