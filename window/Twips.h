#pragma once

#include <QPoint>
#include <QRect>

// The window's layout is given in twips. One twip is taken as 1/15 of a
// logical pixel (15 twips to the pixel at 96 dpi), so that Qt's high-DPI
// scaling takes care of real screens; nothing here works in device pixels.
namespace Twips {

inline constexpr int PerPixel = 15;

[[nodiscard]] constexpr int toPixels(int twips)
{
    return twips / PerPixel;
}

[[nodiscard]] constexpr QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

[[nodiscard]] constexpr QPoint point(int x, int y)
{
    return {toPixels(x), toPixels(y)};
}

} // namespace Twips
