#include "window/ColourScheme.h"

namespace ColourScheme {

namespace {

// Halfway between black and white, as the eye sees it.
constexpr double LightLuminance = 0.18;
// Black on white is 21:1; a light theme's darkest text on its lightest
// background stays well below (Qt's own 18:1, Adwaita's 13:1).
constexpr double HighContrastRatio = 20.0;

} // namespace

bool TakesDark(Preference preference, const Desktop& desktop)
{
    const double window = Contrast::RelativeLuminance(desktop.window);
    return preference == Preference::PreferDark && !desktop.highContrast &&
           Contrast::Ratio(desktop.window, desktop.windowText) < HighContrastRatio &&
           window >= LightLuminance && window >= Contrast::RelativeLuminance(desktop.windowText);
}

const Scheme& HighContrast(Preference preference)
{
    return preference == Preference::PreferDark ? HighContrastDark : HighContrastLight;
}

Contrast::Theme ThemeOf(const Scheme& scheme)
{
    return {.boxBackground = scheme.base, .boxText = scheme.text, .lightShade = scheme.lightShade};
}

} // namespace ColourScheme
