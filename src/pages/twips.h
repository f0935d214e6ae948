#pragma once

#include <QRect>

// The window layouts are written in twips, as the forms were drawn:
// 15 twips make one pixel at 96 dots per inch.
namespace Twips {

inline constexpr int perPixel = 15;

[[nodiscard]] int toPixels(int twips);
// Rounds the edges rather than the sizes, so that controls that touch in
// twips still touch in pixels.
[[nodiscard]] QRect toPixels(int left, int top, int width, int height);

} // namespace Twips
