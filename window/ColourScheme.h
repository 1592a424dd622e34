#pragma once

#include "window/Contrast.h"

// The colours the window is drawn in instead of the desktop's own, and the
// rules for when it takes them: the dark scheme, for both front ends, when
// the user prefers a dark desktop and the desktop's own colours are light
// ones; and on Qt the high-contrast schemes, when the user asks the desktop
// for high contrast (Windows draws its own high-contrast colours).
namespace ColourScheme {

struct Scheme {
    Contrast::Rgb window;     // the window's background
    Contrast::Rgb windowText; // the labels and the line
    Contrast::Rgb base;       // the input boxes' background
    Contrast::Rgb text;       // the text of every box
    Contrast::Rgb lightShade; // the three-dimensional light shade
    Contrast::Rgb button;
    Contrast::Rgb buttonText;
    Contrast::Rgb buttonBorder;
    Contrast::Rgb highlight; // selected text
    Contrast::Rgb highlightedText;
    Contrast::Rgb toolTip;
    Contrast::Rgb toolTipText;
};

// Light text on dark greys, as Windows 11 and GNOME draw them: the input
// boxes a little lighter than the window, the result boxes lighter still
// (through the result shade's rule); every text at least 4.5:1 on its
// background.
inline constexpr Scheme Dark{
    .window = {32, 32, 32},
    .windowText = {240, 240, 240},
    .base = {45, 45, 45},
    .text = {240, 240, 240},
    .lightShade = {72, 72, 72},
    .button = {60, 60, 60},
    .buttonText = {240, 240, 240},
    .buttonBorder = {118, 118, 118},
    .highlight = {26, 95, 180},
    .highlightedText = {255, 255, 255},
    .toolTip = {43, 43, 43},
    .toolTipText = {240, 240, 240},
};

// Black and white only, as GNOME's and Windows' high-contrast themes are:
// white on black when the user also prefers dark, black on white otherwise.
// Every text is 21:1; the result boxes stand apart by their edge, not by a
// shade, and a selection inverts its text.
inline constexpr Scheme HighContrastDark{
    .window = {0, 0, 0},
    .windowText = {255, 255, 255},
    .base = {0, 0, 0},
    .text = {255, 255, 255},
    .lightShade = {0, 0, 0},
    .button = {0, 0, 0},
    .buttonText = {255, 255, 255},
    .buttonBorder = {255, 255, 255},
    .highlight = {255, 255, 255},
    .highlightedText = {0, 0, 0},
    .toolTip = {0, 0, 0},
    .toolTipText = {255, 255, 255},
};
inline constexpr Scheme HighContrastLight{
    .window = {255, 255, 255},
    .windowText = {0, 0, 0},
    .base = {255, 255, 255},
    .text = {0, 0, 0},
    .lightShade = {255, 255, 255},
    .button = {255, 255, 255},
    .buttonText = {0, 0, 0},
    .buttonBorder = {0, 0, 0},
    .highlight = {0, 0, 0},
    .highlightedText = {255, 255, 255},
    .toolTip = {255, 255, 255},
    .toolTipText = {0, 0, 0},
};

// What the user told the desktop: the portal's color-scheme on Linux
// (0, 1, 2), the app mode on Windows.
enum class Preference { NoPreference, PreferDark, PreferLight };

// The desktop's own colours for the window: its background and text.
struct Desktop {
    Contrast::Rgb window;
    Contrast::Rgb windowText;
    bool highContrast; // the user's high-contrast setting, where the desktop has one
};

// The window takes the dark scheme when the user prefers dark and the
// desktop's own colours are light ones: colours the desktop chose itself, a
// dark theme or high contrast, stand. Where the desktop does not say whether
// high contrast is on, its colours tell: black on white is a high-contrast
// theme's.
[[nodiscard]] bool TakesDark(Preference preference, const Desktop& desktop);

// The scheme the window is drawn in when the user asked the desktop for high
// contrast: that wins over the rest, as it does on Windows.
[[nodiscard]] const Scheme& HighContrast(Preference preference);

// The theme that the result shade is worked out from, in a scheme.
[[nodiscard]] Contrast::Theme ThemeOf(const Scheme& scheme);

} // namespace ColourScheme
