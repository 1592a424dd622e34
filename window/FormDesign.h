#pragma once

#include "window/Twips.h"

#include <array>
#include <string_view>

// The window as designed, in twips from the top-left corner of its client
// area, at the design's own font. Both rows read as a sentence: input box,
// its unit, "=", result box, its unit.
namespace FormDesign {

inline constexpr int Width = 3795;
inline constexpr int Height = 2010;

// The window's caption, the product's name.
inline constexpr std::u16string_view Title = u"Zandrel";

// A utility of one size: it can be minimised, but neither resized nor
// maximised.
struct Frame {
    bool resizable;
    bool minimiseBox;
    bool maximiseBox;
};
inline constexpr Frame WindowFrame{.resizable = false, .minimiseBox = true, .maximiseBox = false};

inline constexpr Twips::Rect Text1{240, 120, 855, 375};
inline constexpr Twips::Rect Label1{1200, 240, 270, 180};
inline constexpr Twips::Rect Label3{1920, 240, 90, 180};
inline constexpr Twips::Rect Text2{2280, 120, 975, 375};
inline constexpr Twips::Rect Label2{3360, 240, 225, 180};

// A straight line from (240, 720) to (3600, 720), one pixel thick at the
// design's scale, in the text's colour.
inline constexpr Twips::Rect Line1{240, 720, 3360, 0};
inline constexpr int LineWidth = Twips::PerPixel;

inline constexpr Twips::Rect Text3{240, 960, 855, 375};
inline constexpr Twips::Rect Label4{1200, 1080, 225, 180};
inline constexpr Twips::Rect Label6{1920, 1080, 90, 180};
inline constexpr Twips::Rect Text4{2280, 960, 975, 375};
inline constexpr Twips::Rect Label5{3360, 1080, 270, 180};

inline constexpr Twips::Rect Command1{1200, 1560, 1335, 375};

// What the boxes must show whole: any result of up to ten characters, and
// eight characters of input.
inline constexpr int ResultCharacters = 10;
inline constexpr int InputCharacters = 8;

// A label may grow to the right up to the next control, keeping this gap,
// or up to this far from the window's right edge.
inline constexpr int LabelGap = 60;

} // namespace FormDesign

namespace FormDesign {

// What the font and style in use need, in pixels, for the design to show
// every text whole; each label's width beside it (window/Controls.h).
struct Needs {
    int input;       // an input box that shows InputCharacters, frame and all
    int result;      // a result box that shows ResultCharacters
    int boxHeight;   // any text box
    int buttonWidth; // the button with its whole caption
    int buttonHeight;
    int labelHeight; // any label
};

// The decimal separators a number in a box may show: the user's, and '.',
// which input takes in every locale. A box is as wide as the wider needs.
[[nodiscard]] constexpr std::array<std::u16string_view, 2>
NumberSeparators(std::u16string_view userDecimalPoint)
{
    return {userDecimalPoint, u"."};
}

// The widest number of `characters` characters: all digits and a separator,
// or one of the digits traded for a minus sign.
[[nodiscard]] constexpr double NumberWidth(double digit, double minus, double separator,
                                           int characters)
{
    return (characters - 2) * digit + (minus > digit ? minus : digit) + separator;
}

} // namespace FormDesign
