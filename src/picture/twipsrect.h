#pragma once

#include <QRect>

// Window layouts are written in twips; 15 twips make one pixel at 96 dpi.
[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return { twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height) };
}
