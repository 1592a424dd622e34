#pragma once

// Colour contrast by the WCAG 2 formulas, used to keep the result boxes
// distinguishable from the input boxes in every theme.
namespace Contrast {

struct Rgb {
    int red; // 0 to 255, sRGB
    int green;
    int blue;
};

// Below this the result boxes cannot be told from the input boxes.
inline constexpr double MinimumShadeRatio = 1.25;
// WCAG AA for normal text.
inline constexpr double MinimumTextRatio = 4.5;

[[nodiscard]] double RelativeLuminance(Rgb colour);

// From 1 (the same) to 21 (black on white), whichever is lighter.
[[nodiscard]] double Ratio(Rgb a, Rgb b);

// The result boxes' background: `preferred` (the theme's three-dimensional
// light shade) when it stands apart from the input boxes' `base` and keeps
// `text` readable; otherwise the shade between `base` and `text`, nearest to
// `base`, that does both.
[[nodiscard]] Rgb ResultShade(Rgb base, Rgb preferred, Rgb text);

} // namespace Contrast
