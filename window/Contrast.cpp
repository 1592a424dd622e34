#include "window/Contrast.h"

#include <algorithm>
#include <cmath>

namespace Contrast {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int mix(int from, int to, double t)
{
    return static_cast<int>(std::lround(from + (to - from) * t));
}

bool standsApart(Rgb shade, Rgb base, Rgb text, double shadeRatio)
{
    return Ratio(shade, base) >= shadeRatio && Ratio(shade, text) >= MinimumTextRatio;
}

} // namespace

double RelativeLuminance(Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double Ratio(Rgb a, Rgb b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ResultShade(const Theme& theme)
{
    const Rgb base = theme.boxBackground;
    const Rgb preferred = theme.lightShade;
    const Rgb text = theme.boxText;
    if (standsApart(preferred, base, text, MinimumShadeRatio)) {
        return preferred;
    }
    // A little more than the minimum, so that a shade rounded to whole
    // channel values still clears it.
    constexpr double target = MinimumShadeRatio + 0.05;
    constexpr int steps = 64;
    for (int step = 1; step < steps; ++step) {
        const double t = static_cast<double>(step) / steps;
        const Rgb shade{mix(base.red, text.red, t), mix(base.green, text.green, t),
                        mix(base.blue, text.blue, t)};
        if (standsApart(shade, base, text, target)) {
            return shade;
        }
    }
    return preferred; // a theme whose text hardly stands off its base: nothing to win
}

} // namespace Contrast
