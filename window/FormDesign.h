#pragma once

#include "window/Twips.h"

// The window as designed, in twips from the top-left corner of its client
// area, at the design's own font. Both rows read as a sentence: input box,
// its unit, "=", result box, its unit.
namespace FormDesign {

inline constexpr int Width = 3795;
inline constexpr int Height = 2010;

inline constexpr Twips::Rect Text1{240, 120, 855, 375};
inline constexpr Twips::Rect Label1{1200, 240, 270, 180};
inline constexpr Twips::Rect Label3{1920, 240, 90, 180};
inline constexpr Twips::Rect Text2{2280, 120, 975, 375};
inline constexpr Twips::Rect Label2{3360, 240, 225, 180};

// A straight line from (240, 720) to (3600, 720).
inline constexpr Twips::Rect Line1{240, 720, 3360, 0};

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

// The room a label has to grow into, from its left edge.
[[nodiscard]] constexpr int LabelRoom(const Twips::Rect& label, int nextLeft)
{
    return nextLeft - LabelGap - label.left;
}

} // namespace FormDesign
