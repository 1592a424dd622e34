#pragma once

#include "window/Controls.h"
#include "window/Placement.h"

#include <array>
#include <string_view>
#include <windows.h>

// The window's controls, by their place in the table of controls.
using ControlHandles = std::array<HWND, Controls::Count>;

// Where each control goes, in client-area pixels, and the client area's size.
struct Layout {
    Placement::Rects places;
    SIZE client;
};

// The smallest scale of the design, at this DPI, at which every label, the
// caption, ten characters of result and eight of input (with the user's
// decimal separator or '.') fit in `font`; never below the design's size at
// 96 dpi. `edit` is an edit control showing `font`: its margins follow the
// font. Measured before the other controls exist, so that they are made
// where they belong: under Wine, moving an edit control afterwards costs
// about as much as making it.
[[nodiscard]] Layout MeasureLayout(HWND edit, HFONT font, UINT dpi,
                                   std::u16string_view decimalPoint);

// Moves the controls to their places.
void Place(const ControlHandles& controls, const Placement::Rects& places);
void MoveTo(HWND control, const Twips::Rect& place);
