#include "window/Twips.h"

#include <algorithm>
#include <cmath>

namespace Twips {

Scale Scale::fitting(std::span<const Demand> demands)
{
    double factor = 1.0;
    for (const Demand& demand : demands) {
        if (demand.twips > 0) {
            // One pixel more than asked covers the rounding of both edges.
            factor = std::max(factor, (demand.pixels + 1.0) * PerPixel / demand.twips);
        }
    }
    return Scale(factor);
}

int Scale::toPixels(int twips) const noexcept
{
    return static_cast<int>(std::lround(twips * m_factor / PerPixel));
}

Rect Scale::rect(int left, int top, int width, int height) const noexcept
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

} // namespace Twips
