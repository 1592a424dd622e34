#pragma once

#include "window/Controls.h"

#include <array>
#include <string_view>
#include <windows.h>

// The window's controls, by their place in the table of controls.
using ControlHandles = std::array<HWND, Controls::Count>;

// The controls that take the focus are numbered from 101 in tab order; the
// others have none (-1).
[[nodiscard]] constexpr int ControlId(std::size_t index)
{
    if (!Controls::TakesFocus(index)) {
        return -1;
    }
    int before = 0;
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        before += Controls::TakesFocus(i) &&
                  Controls::Table[i].tabIndex < Controls::Table[index].tabIndex;
    }
    return 101 + before;
}

// Where each control goes, in client-area pixels, and the client area's size.
struct Placement {
    std::array<RECT, Controls::Count> places;
    SIZE client;
};

// The smallest scale of the design, at this DPI, at which every label, the
// caption, ten characters of result and eight of input (with the user's
// decimal separator or '.') fit in `font`; never below the design's size at
// 96 dpi. `edit` is an edit control showing `font`: its margins follow the
// font. Measured before the other controls exist, so that they are made
// where they belong: under Wine, moving an edit control afterwards costs
// about as much as making it.
[[nodiscard]] Placement MeasureLayout(HWND edit, HFONT font, UINT dpi,
                                      std::u16string_view decimalPoint);

// Moves the controls to their places.
void Place(const ControlHandles& controls, const Placement& placement);
void MoveTo(HWND control, const RECT& place);
