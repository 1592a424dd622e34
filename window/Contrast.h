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

// The theme's colours that the result boxes' shade is worked out from.
struct Theme {
    Rgb boxBackground; // the input boxes' background
    Rgb boxText;       // the text of every box
    Rgb lightShade;    // the three-dimensional light shade
};

// The result boxes' background: the theme's light shade when it stands apart
// from the input boxes' background and keeps the text readable; otherwise
// the shade between background and text, nearest to the background, that
// does both.
[[nodiscard]] Rgb ResultShade(const Theme& theme);

} // namespace Contrast
